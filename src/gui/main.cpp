// ZYL RAC on the desktop.
#include "gui/desktop.h"
#include "gui/icons.h"
#include "gui/resources.h"
#include "gui/startup_timings.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZYLRAC"));
    QApplication::setApplicationName(QStringLiteral("ZYLRAC"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zylrac"));
    // Fusion honours the fields' entry and result colours on every platform.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    rac::gui::initResources();
    QApplication::setWindowIcon(rac::gui::applicationIcon());

    rac::gui::Desktop desktop;
    // RAC_TIMINGS=1 logs start-up and Calculate timings; RAC_LAUNCH_NS is the launch instant.
    if (qEnvironmentVariableIsSet("RAC_TIMINGS")) {
        bool ok = false;
        const qint64 launch = qEnvironmentVariable("RAC_LAUNCH_NS").toLongLong(&ok);
        new rac::gui::StartupTimings(desktop,
                                     ok ? std::optional<std::int64_t>(launch) : std::nullopt);
    }
    // rac FILE.rac opens the selection file once the program has started.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        desktop.openWhenStarted(arguments.at(1));
    }
    desktop.startWithSplash();
    return QApplication::exec();
}
