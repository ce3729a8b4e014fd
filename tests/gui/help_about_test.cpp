// The help and About windows as they open from the main window.
#include "desktop_fixture.h"
#include "gui/help_window.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

namespace rac::gui::testing_support {
namespace {

using HelpAndAbout = DesktopStart;

TEST_F(HelpAndAbout, HelpTopicsAreListedWholeInANarrowWindow) {
    openMain();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_F1);
    HelpWindow* help = desktop.help().window();
    ASSERT_NE(help, nullptr);
    help->resize(500, 400);
    ASSERT_TRUE(QTest::qWaitFor([help] { return help->size() == QSize(500, 400); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    auto* topics = help->findChild<QListWidget*>();
    ASSERT_NE(topics, nullptr);
    ASSERT_EQ(topics->count(), 10);
    for (int row = 0; row < topics->count(); ++row) {
        const QListWidgetItem* topic = topics->item(row);
        const QRect shown = topics->visualItemRect(topic);
        EXPECT_TRUE(topics->viewport()->rect().contains(shown)) << topic->text().toStdString();
        EXPECT_GE(shown.width(), topics->fontMetrics().horizontalAdvance(topic->text()))
            << topic->text().toStdString();
    }
}

} // namespace
} // namespace rac::gui::testing_support
