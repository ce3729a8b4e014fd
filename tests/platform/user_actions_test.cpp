#include "event_log.h"
#include "platform/platform_error.h"
#include "platform/user_actions.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

using Log = std::vector<std::string>;

class UserActions : public ::testing::Test {
  protected:
    UserActions() {
        form.add(ControlKind::TextBox, "txtA");
        form.add(ControlKind::TextBox, "txtB");
        form.add(ControlKind::List, "cmbPick").addItems({"Optimise", "Fixed"});
        form.add(ControlKind::EditableList, "cmbCircuit");
        form.add(ControlKind::CheckBox, "chkOption");
        form.add(ControlKind::OptionButton, "optDesign");
        form.add(ControlKind::OptionButton, "optBin");
        form.add(ControlKind::CommandButton, "cmdCalculate");
        form.add(ControlKind::Label, "lblTitle");
        form.add(ControlKind::Frame, "fraCoil");
        form.add(ControlKind::TextBox, "txtInFrame", "fraCoil");
        log.watch(form, {"txtA", "txtB", "cmbPick", "cmbCircuit", "chkOption", "optDesign",
                         "optBin", "cmdCalculate", "txtInFrame"});
        form.show();
    }

    Form form{"frmTest"};
    testing_support::EventLog log;
};

TEST_F(UserActions, TypingRaisesKeyPressThenChangePerCharacter) {
    EXPECT_TRUE(user::type(form, "txtA", "1.5"));
    EXPECT_EQ(log.entries,
              (Log{"GotFocus txtA", "KeyPress txtA 49", "Change txtA", "KeyPress txtA 46",
                   "Change txtA", "KeyPress txtA 53", "Change txtA"}));
    EXPECT_EQ(form.at("txtA").text(), "1.5");
}

TEST_F(UserActions, EnterIsDeliveredAsAKeyAndInsertsNothing) {
    user::type(form, "txtA", "7\r");
    EXPECT_EQ(form.at("txtA").text(), "7");
    EXPECT_EQ(log.entries.back(), "KeyPress txtA 13");
}

TEST_F(UserActions, KeyPressHandlerReplacesTheCharacter) {
    form.onKeyPress("txtA", [](Control&, char32_t& key) {
        if (key == '\r' || key == 'x') {
            key = 7; // bell: nothing inserted
        } else if (key == 'h') {
            key = 'H';
        }
    });
    int changes = 0;
    form.on("txtA", Event::Change, [&](Control&) { ++changes; });
    user::type(form, "txtA", "2x\rh");
    EXPECT_EQ(form.at("txtA").text(), "2H");
    EXPECT_EQ(changes, 2);
}

TEST_F(UserActions, TypingHandlesBackspaceAndWholeCharacters) {
    user::type(form, "txtA", "20\xC2\xB0");
    EXPECT_EQ(log.entries[log.entries.size() - 2], "KeyPress txtA 176"); // one key for the degree
    user::type(form, "txtA", "\b\b");
    EXPECT_EQ(form.at("txtA").text(), "2");
    log.entries.clear();
    EXPECT_THROW(user::type(form, "txtA", "a\xFF"), PlatformError);
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(UserActions, TypingStopsWhenAHandlerTakesTheFocusAway) {
    form.on("txtA", Event::Change, [&](Control&) { form.setFocus(form.at("txtB")); });
    EXPECT_FALSE(user::type(form, "txtA", "123"));
    EXPECT_EQ(form.at("txtA").text(), "1");
}

TEST_F(UserActions, SetIsOneChange) {
    user::set(form, "txtA", "994");
    user::set(form, "txtA", "994");
    EXPECT_EQ(log.entries, (Log{"GotFocus txtA", "Change txtA"}));
}

TEST_F(UserActions, PickingTheShownItemStillClicks) {
    EXPECT_TRUE(user::pick(form, "cmbPick", "Fixed"));
    EXPECT_TRUE(user::pickIndex(form, "cmbPick", 1));
    EXPECT_EQ(log.entries, (Log{"GotFocus cmbPick", "Click cmbPick", "Click cmbPick"}));
    EXPECT_THROW(user::pick(form, "cmbPick", "fixed"), PlatformError); // exact text only
    EXPECT_THROW(user::pickIndex(form, "cmbPick", 2), PlatformError);
    EXPECT_THROW(user::pickIndex(form, "cmbPick", -1), PlatformError);
}

TEST_F(UserActions, ClickTogglesCheckBoxAndSelectsOption) {
    user::click(form, "chkOption");
    EXPECT_EQ(form.at("chkOption").value(), 1);
    user::click(form, "chkOption");
    EXPECT_EQ(form.at("chkOption").value(), 0);
    user::click(form, "optDesign");
    user::click(form, "optBin");
    user::click(form, "optBin");
    EXPECT_EQ(form.at("optDesign").value(), 0);
    EXPECT_EQ(form.at("optBin").value(), 1);
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), "Click optBin"), 2);
}

TEST_F(UserActions, UnreachableControlsRefuseQuietly) {
    form.at("cmdCalculate").setEnabled(false);
    form.at("fraCoil").setVisible(false);
    form.at("txtB").setLocked(true);
    form.at("cmbPick").setLocked(true);
    EXPECT_FALSE(user::click(form, "cmdCalculate"));
    EXPECT_FALSE(user::set(form, "txtInFrame", "1"));
    EXPECT_FALSE(user::type(form, "txtB", "1"));
    EXPECT_FALSE(user::pick(form, "cmbPick", "Fixed"));
    form.hide();
    EXPECT_FALSE(user::set(form, "txtA", "1"));
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(form.at("txtB").text(), "");
    EXPECT_EQ(form.at("cmbPick").listIndex(), -1);
}

TEST_F(UserActions, ActionsTheKindDoesNotHaveAreErrors) {
    EXPECT_THROW(user::type(form, "lblTitle", "1"), PlatformError);
    EXPECT_THROW(user::set(form, "cmbPick", "Fixed"), PlatformError); // a drop-down list is picked
    EXPECT_THROW(user::pick(form, "txtA", "1"), PlatformError);
    EXPECT_THROW(user::click(form, "cmbPick"), PlatformError);
    EXPECT_THROW(user::focus(form, "lblTitle"), PlatformError);
    EXPECT_THROW(user::click(form, "txtNope"), PlatformError);
}

TEST_F(UserActions, FocusMovesWithLostFocusBeforeGotFocus) {
    user::focus(form, "txtA");
    user::click(form, "cmdCalculate");
    EXPECT_FALSE(user::leave(form, "txtA")); // it no longer has the focus
    EXPECT_TRUE(user::leave(form, "cmdCalculate"));
    EXPECT_EQ(log.entries, (Log{"GotFocus txtA", "LostFocus txtA", "GotFocus cmdCalculate",
                                "Click cmdCalculate", "LostFocus cmdCalculate"}));
    EXPECT_EQ(form.focus(), nullptr);
}

TEST_F(UserActions, LostFocusHandlerCanKeepTheFocus) {
    // A field that fails its check on leaving takes the focus back.
    form.on("txtA", Event::LostFocus, [&](Control& c) { form.setFocus(c); });
    user::focus(form, "txtA");
    log.entries.clear();
    EXPECT_TRUE(user::leave(form, "txtA"));
    EXPECT_EQ(form.focus(), &form.at("txtA"));
    EXPECT_FALSE(user::type(form, "txtB", "9"));
    EXPECT_FALSE(user::set(form, "txtB", "9"));
    EXPECT_FALSE(user::click(form, "cmdCalculate"));
    EXPECT_EQ(form.at("txtB").text(), ""); // the focus never got there
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), "Click cmdCalculate"), 0);
    EXPECT_EQ(form.focus(), &form.at("txtA"));
}

TEST_F(UserActions, ProgramFocusNeedsAControlThatCanTakeIt) {
    form.at("txtB").setVisible(false);
    EXPECT_FALSE(form.setFocus(form.at("txtB")));
    EXPECT_FALSE(form.setFocus(form.at("lblTitle")));
    EXPECT_EQ(form.focus(), nullptr);
    Form other("frmOther");
    Control& elsewhere = other.add(ControlKind::TextBox, "txtA");
    EXPECT_THROW(form.setFocus(elsewhere), PlatformError);
}

TEST(Toolbar, ButtonsByPositionShareOneHandler) {
    Form form("frmMain");
    for (int position = 1; position <= 3; ++position) {
        form.addElement(ControlKind::ToolbarButton, "Toolbar1", position);
    }
    std::vector<int> pressed;
    form.on("Toolbar1", Event::Click, [&](Control& b) { pressed.push_back(*b.index()); });
    form.show();
    form.at("Toolbar1", 2).setEnabled(false);
    EXPECT_TRUE(user::pressToolbarButton(form, 3));
    EXPECT_FALSE(user::pressToolbarButton(form, 2));
    EXPECT_THROW(user::pressToolbarButton(form, 4), PlatformError);
    EXPECT_EQ(pressed, (std::vector<int>{3}));
    Form plain("frmAbout");
    plain.show();
    EXPECT_THROW(user::pressToolbarButton(plain, 1), PlatformError);
}

TEST(Timers, TickWhileLoadedEnabledAndRunning) {
    Form form("frmSplash");
    Control& timer = form.add(ControlKind::Timer, "Timer1");
    timer.setInterval(20);
    int ticks = 0;
    form.on("Timer1", Event::Timer, [&](Control& t) {
        if (++ticks == 3) {
            t.setEnabled(false);
        }
    });
    EXPECT_EQ(user::tick(form, "Timer1", 5), 0); // not loaded
    form.load();
    EXPECT_EQ(user::tick(form, "Timer1", 5), 3);
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_EQ(user::tick(form, "Timer1", 2), 0);
    timer.setInterval(500);
    form.on("Timer1", Event::Timer, [&](Control&) { form.unload(); });
    EXPECT_EQ(user::tick(form, "Timer1", 4), 1);
    EXPECT_THROW(timer.setInterval(-1), PlatformError);
}

} // namespace
} // namespace rac::platform
