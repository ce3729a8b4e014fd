// The main window from the keyboard: where the focus goes, mnemonics and shortcuts.
#include "desktop_fixture.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

namespace rac::gui::testing_support {
namespace {

class Keyboard : public DesktopStart {
  protected:
    void pressToolbarButton(int position) {
        auto* toolbar = main().findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        ASSERT_NE(toolbar, nullptr);
        auto* action = main().findChild<QAction*>(QStringLiteral("Toolbar1(%1)").arg(position));
        ASSERT_NE(action, nullptr);
        QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    }
};

TEST_F(Keyboard, RatingMovesTheFocusFromTheTargetToTheFirstEntry) {
    openMain();
    pressToolbarButton(9); // Duty: its box takes the focus
    ASSERT_TRUE(widget<QLineEdit>("txtDuty").hasFocus());
    pressToolbarButton(2); // Rating: the duty becomes a result
    EXPECT_TRUE(widget<QLineEdit>("txtDBSupplyOn").hasFocus());
    EXPECT_EQ(form().focus(), &form().at("txtDBSupplyOn"));
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_End);
    QTest::keyClicks(static_cast<QWidget*>(nullptr), "5");
    EXPECT_EQ(model("txtDBSupplyOn"), "05");
    EXPECT_EQ(text("txtDuty"), "");
}

} // namespace
} // namespace rac::gui::testing_support
