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
        form.add(ControlKind::CommandButton, "cmdCalculate");
        form.add(ControlKind::Label, "lblTitle");
        form.add(ControlKind::Frame, "fraCoil");
        form.add(ControlKind::TextBox, "txtInFrame", "fraCoil");
        log.watch(form, {"txtA", "txtB", "cmbPick", "cmdCalculate", "txtInFrame"});
        form.show();
    }

    Form form{"frmTest"};
    testing_support::EventLog log;
};

TEST_F(UserActions, TypingRaisesKeyPressThenChangePerCharacterAndEnterInsertsNothing) {
    EXPECT_TRUE(user::type(form, "txtA", "1.5\r"));
    EXPECT_EQ(log.entries,
              (Log{"GotFocus txtA", "KeyPress txtA 49", "Change txtA", "KeyPress txtA 46",
                   "Change txtA", "KeyPress txtA 53", "Change txtA", "KeyPress txtA 13"}));
    EXPECT_EQ(form.at("txtA").text(), "1.5");
}

TEST_F(UserActions, KeysAreWholeCharactersThatTheHandlerMayReplace) {
    std::vector<char32_t> keys;
    form.onKeyPress("txtA", [&](Control&, char32_t& key) {
        keys.push_back(key);
        if (key == '\r' || key == 'x') {
            key = 7; // bell: nothing inserted
        } else if (key == 'h') {
            key = 'H';
        }
    });
    user::type(form, "txtA", "2x\rh\xC2\xB0");
    EXPECT_EQ(form.at("txtA").text(), "2H\xC2\xB0");
    EXPECT_EQ(keys, (std::vector<char32_t>{'2', 'x', '\r', 'h', 176})); // one key for the degree
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), "Change txtA"), 3);
    user::type(form, "txtA", "\b\b");
    EXPECT_EQ(form.at("txtA").text(), "2");
    log.entries.clear();
    keys.clear();
    EXPECT_THROW(user::type(form, "txtA", "a\xFF"), PlatformError);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_TRUE(keys.empty());
}

TEST_F(UserActions, SetIsOneChangeAndPickingTheShownItemStillClicks) {
    user::set(form, "txtA", "994");
    user::set(form, "txtA", "994");
    EXPECT_TRUE(user::pick(form, "cmbPick", "Fixed"));
    EXPECT_TRUE(user::pickIndex(form, "cmbPick", 1));
    EXPECT_EQ(log.entries, (Log{"GotFocus txtA", "Change txtA", "LostFocus txtA",
                                "GotFocus cmbPick", "Click cmbPick", "Click cmbPick"}));
    EXPECT_THROW(user::pick(form, "cmbPick", "fixed"), PlatformError); // exact text only
    EXPECT_THROW(user::pickIndex(form, "cmbPick", 2), PlatformError);
    EXPECT_THROW(user::pickIndex(form, "cmbPick", -1), PlatformError);
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

TEST_F(UserActions, FocusMovesWithLostFocusBeforeGotFocusToAControlThatCanTakeIt) {
    user::focus(form, "txtA");
    user::click(form, "cmdCalculate");
    EXPECT_FALSE(user::leave(form, "txtA")); // it no longer has the focus
    EXPECT_TRUE(user::leave(form, "cmdCalculate"));
    EXPECT_EQ(log.entries, (Log{"GotFocus txtA", "LostFocus txtA", "GotFocus cmdCalculate",
                                "Click cmdCalculate", "LostFocus cmdCalculate"}));
    EXPECT_EQ(form.focus(), nullptr);
    form.at("txtB").setVisible(false);
    EXPECT_FALSE(form.setFocus(form.at("txtB")));
    EXPECT_FALSE(form.setFocus(form.at("lblTitle")));
    EXPECT_EQ(form.focus(), nullptr);
    Form other("frmOther");
    EXPECT_THROW(form.setFocus(other.add(ControlKind::TextBox, "txtA")), PlatformError);
}

TEST_F(UserActions, ActionsLandOnlyWhileTheFocusIsWhereTheyGo) {
    form.on("txtA", Event::Change, [&](Control&) { form.setFocus(form.at("txtB")); });
    EXPECT_FALSE(user::type(form, "txtA", "123")); // typing stops once the focus is gone
    EXPECT_EQ(form.at("txtA").text(), "1");
    // A field that fails its check on leaving takes the focus back.
    form.on("txtB", Event::LostFocus, [&](Control& c) { form.setFocus(c); });
    log.entries.clear();
    EXPECT_TRUE(user::leave(form, "txtB"));
    EXPECT_FALSE(user::type(form, "txtA", "9"));
    EXPECT_FALSE(user::set(form, "txtA", "9"));
    EXPECT_FALSE(user::click(form, "cmdCalculate"));
    EXPECT_EQ(form.at("txtA").text(), "1"); // the focus never got there
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), "Click cmdCalculate"), 0);
    EXPECT_EQ(form.focus(), &form.at("txtB"));
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
