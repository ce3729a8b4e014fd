#include "gui/system_facts.h"

#include "foundation/numbers.h"
#include "gui/qt_text.h"
#include "mainscreen/os_name.h"

#include <QFile>
#include <QStringList>
#include <QSysInfo>
#include <QtGlobal>

namespace rac::gui {

namespace {

// "key : value" lines, as the kernel writes its /proc files.
QString valueOf(const QString& line, const QString& key) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0 || line.left(colon).trimmed() != key) {
        return {};
    }
    return line.mid(colon + 1).trimmed();
}

QString contentsOf(const char* path) {
    QFile file(QString::fromLatin1(path));
    // The kernel's files report no size: read them to their end.
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                            : QString();
}

QString orUnknown(const QString& text) {
    return text.isEmpty() ? QStringLiteral("unknown") : text;
}

} // namespace

QString processorFromCpuInfo(const QString& cpuInfo) {
    QString model;
    int processors = 0;
    for (const QString& line : cpuInfo.split(QLatin1Char('\n'))) {
        if (!valueOf(line, QStringLiteral("processor")).isEmpty()) {
            ++processors;
        } else if (model.isEmpty()) {
            model = valueOf(line, QStringLiteral("model name"));
        }
    }
    if (processors == 0) {
        return model;
    }
    const QString count = processors == 1 ? QStringLiteral("1 logical processor")
                                          : QStringLiteral("%1 logical processors").arg(processors);
    return model.isEmpty() ? count : model + QStringLiteral(", ") + count;
}

QString memoryFromMemInfo(const QString& memInfo) {
    for (const QString& line : memInfo.split(QLatin1Char('\n'))) {
        const QStringList total = valueOf(line, QStringLiteral("MemTotal")).split(QLatin1Char(' '));
        bool read = false;
        const double kibibytes = total.front().toDouble(&read);
        if (read && total.size() == 2 && total.back() == QStringLiteral("kB")) {
            constexpr double kibibytesPerGigabyte = 1024.0 * 1024.0;
            return toQt(numbers::format(kibibytes / kibibytesPerGigabyte,
                                        numbers::Pattern::OneDecimal)) +
                   QStringLiteral(" GB");
        }
    }
    return {};
}

SystemFacts currentSystemFacts() {
    QString qt = QString::fromLatin1(qVersion());
    if (qt != QStringLiteral(QT_VERSION_STR)) {
        qt += QStringLiteral(" (built with %1)").arg(QStringLiteral(QT_VERSION_STR));
    }
    const QString processor = processorFromCpuInfo(contentsOf("/proc/cpuinfo"));
    const QString architecture = QSysInfo::currentCpuArchitecture();
    return {
        toQt(mainscreen::operatingSystemName()),
        QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion(),
        qt,
        processor.isEmpty() ? architecture : processor + QStringLiteral(" (%1)").arg(architecture),
        orUnknown(memoryFromMemInfo(contentsOf("/proc/meminfo"))),
    };
}

} // namespace rac::gui
