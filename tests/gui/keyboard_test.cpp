// The main window from the keyboard: where the focus goes, mnemonics and shortcuts.
#include "desktop_fixture.h"

#include <QAction>
#include <QPushButton>
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
    press(Qt::Key_End);
    type("5");
    EXPECT_EQ(model("txtDBSupplyOn"), "05");
    EXPECT_EQ(text("txtDuty"), "");
}

TEST_F(Keyboard, ButtonMnemonicsAreShownAndAltCCalculates) {
    openMain();
    const std::pair<const char*, const char*> captions[] = {
        {"cmdCalculate", "&Calculate"}, {"cmdCosting", "C&osting"}, {"cmdPrint", "&Print"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(widget<QPushButton>(name).text(), caption);
    }
    EXPECT_EQ(form().at("cmdCalculate").caption(), "Calculate"); // the form's own caption
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return text("txtEffectiveness") == "50"; }));
    EXPECT_TRUE(widget<QPushButton>("cmdCosting").isEnabled());
}

TEST_F(Keyboard, CalculateKeysWorkFromInsideAnEntry) {
    openMain();
    auto& glycol = widget<QLineEdit>("txtGlycol");
    const std::pair<const char*, QKeyCombination> keys[] = {
        {"F5", QKeyCombination(Qt::Key_F5)},
        {"Ctrl+Return", QKeyCombination(Qt::ControlModifier, Qt::Key_Return)},
        {"Ctrl+Enter on the keypad",
         QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter)},
    };
    for (const auto& [name, key] : keys) {
        SCOPED_TRACE(name);
        QTest::mouseClick(&glycol, Qt::LeftButton);
        // Retyping the glycol is an input change: it withdraws the results.
        for (const Qt::Key typed : {Qt::Key_End, Qt::Key_Backspace, Qt::Key_0}) {
            press(typed);
        }
        ASSERT_EQ(text("txtEffectiveness"), "");
        press(key.key(), key.keyboardModifiers());
        EXPECT_EQ(text("txtEffectiveness"), "50");
        EXPECT_EQ(model("txtGlycol"), "0"); // the key typed nothing
    }
}

TEST_F(Keyboard, MenusShowTheirShortcutsAndF1OpensTheHelp) {
    openMain();
    const std::pair<const char*, const char*> shortcuts[] = {
        {"mnuPrint", "Ctrl+P"}, {"mnuExit", "Ctrl+Q"}, {"mnuRACHelp", "F1"}};
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(widget<QAction>(name).shortcut().toString().toStdString(), keys) << name;
    }
    press(Qt::Key_F1);
    ASSERT_NE(desktop.help().window(), nullptr);
    EXPECT_TRUE(desktop.help().window()->isVisible());
    EXPECT_EQ(desktop.help().window()->currentPage(), "index.html");
}

TEST_F(Keyboard, TabSkipsResultsButStopsAtTheRowsOfASelection) {
    openMain();
    QTest::mouseClick(&widget<QLineEdit>("txtNumberSectionsSupply"), Qt::LeftButton);
    press(Qt::Key_Tab);
    ASSERT_EQ(form().focus(), &form().at("txtNumberRowsSupply"));
    type("6");
    EXPECT_EQ(model("txtNumberRowsSupply"), "6"); // editable, though shown as a result
    press(Qt::Key_Tab);
    // Past the connection size and air pressure drop, results of the selection.
    EXPECT_EQ(form().focus(), &form().at("cmbTubeDiameterExtract"));
}

} // namespace
} // namespace rac::gui::testing_support
