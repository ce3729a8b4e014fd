#include "gui/resources.h"

#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace {

// The offscreen platform says so for every window raised; the rest is worth seeing.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
        qt_message_output(type, context, message);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietOffscreen);
    ::testing::InitGoogleTest(&argc, argv);
    // The widget tests need no display; nor may they touch the user's own settings.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    rac::gui::initResources();
    return RUN_ALL_TESTS();
}
