#include "gui/help_topics.h"

#include "costing/costing_help.h"
#include "gui/qt_text.h"

namespace rac::gui {

namespace {

const QString contentsPage = QStringLiteral("index.html");

} // namespace

const std::vector<HelpTopic>& helpTopics() {
    static const std::vector<HelpTopic> topics{
        {contentsPage, QStringLiteral("Contents")},
        {QStringLiteral("selection.html"), QStringLiteral("Selecting a run-around pair")},
        {QStringLiteral("rating.html"), QStringLiteral("Rating a given pair")},
        {QStringLiteral("fields.html"), QStringLiteral("Main screen fields")},
        {QStringLiteral("coils.html"), QStringLiteral("Tubes, fins and fin density")},
        {QStringLiteral("circuiting.html"),
         QStringLiteral("Circuit types and non-standard configurations")},
        {QStringLiteral("results.html"), QStringLiteral("Reading the results")},
        {QStringLiteral("messages.html"), QStringLiteral("Messages and what to do")},
        {QStringLiteral("costing.html"), QStringLiteral("Costing and payback")},
        {QStringLiteral("payback.html"), QStringLiteral("Payback")},
        {QStringLiteral("bin_payback.html"), QStringLiteral("Payback over weather bins")},
        {QStringLiteral("bin_charts.html"), QStringLiteral("Bin charts")},
        {QStringLiteral("breakdown.html"), QStringLiteral("Costing breakdown and gross margin")},
        {QStringLiteral("summary.html"), QStringLiteral("The summary report")},
        {QStringLiteral("keyboard.html"), QStringLiteral("Keyboard and printing")},
    };
    return topics;
}

std::optional<QString> helpPageFor(const platform::HelpRequest& request) {
    const QString file = toQt(request.file);
    const QString name = file.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (name.compare(QStringLiteral("ZYLRAC.hlp"), Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    if (request.context == 1) {
        return QStringLiteral("circuiting.html");
    }
    if (request.context == costing::kCostingHelpContext) {
        return QStringLiteral("costing.html");
    }
    return contentsPage;
}

QString helpUrl(const QString& page) {
    return QStringLiteral("qrc:/help/") + page;
}

} // namespace rac::gui
