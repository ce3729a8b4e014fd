#include "gui/file_dialogs.h"

#include "gui/qt_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace rac::gui {

namespace {

QString suffixOf(const QString& nameFilter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([A-Za-z0-9]+))"));
    const auto match = pattern.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

QStringList qtNameFilters(std::string_view filter) {
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1]
                                     .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '))
                                     .trimmed();
        if (patterns.isEmpty()) {
            continue;
        }
        const QString listed = QStringLiteral("(") + patterns + QStringLiteral(")");
        // Qt reads the patterns from the last brackets; add them unless they are there already.
        filters << (description.endsWith(listed) ? description
                                                 : description + QLatin1Char(' ') + listed)
                       .trimmed();
    }
    return filters;
}

std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter) {
    QFileDialog box(QApplication::activeWindow(), toQt(title));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile);
    box.setNameFilters(qtNameFilters(filter));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQt(box.selectedFiles().front());
}

std::optional<std::string> QtFileDialogs::saveFile(const platform::SaveDialog& dialog) {
    QFileDialog box(QApplication::activeWindow(), toQt(dialog.title));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(dialog.filter);
    if (!filters.isEmpty()) {
        box.setNameFilters(filters);
        const QString selected = filters.value(dialog.filterIndex - 1, filters.front());
        box.selectNameFilter(selected);
        box.setDefaultSuffix(suffixOf(selected));
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQt(box.selectedFiles().front());
}

} // namespace rac::gui
