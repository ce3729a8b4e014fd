#include "platform/form.h"
#include "platform/platform_error.h"
#include "platform/screen_dump.h"
#include "platform/user_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace rac::platform {
namespace {

TEST(FormControls, NamesAndContainersAreCheckedAndUnknownNamesReported) {
    Form form("frmMain");
    form.add(ControlKind::Label, "lblDuty");
    form.add(ControlKind::TextBox, "txtDuty");
    form.addElement(ControlKind::TextBox, "txtBinDB", 1);
    EXPECT_EQ(form.find("txtDuti"), nullptr);
    EXPECT_THAT([&] { form.at("txtDuti"); },
                ::testing::ThrowsMessage<PlatformError>(
                    ::testing::StrEq("frmMain: no control named \"txtDuti\"")));
    EXPECT_THROW(form.on("txtDuti", Event::Change, [](Control&) {}), PlatformError);
    EXPECT_THROW(form.onKeyPress("txtDuti", [](Control&, char32_t&) {}), PlatformError);
    EXPECT_THROW(form.on("txtDuty", Event::KeyPress, [](Control&) {}), PlatformError);
    EXPECT_THROW(form.add(ControlKind::TextBox, "lblDuty"), PlatformError);  // taken
    EXPECT_THROW(form.add(ControlKind::TextBox, "txt Duty"), PlatformError); // blank
    EXPECT_THROW(form.add(ControlKind::TextBox, "txtBinDB"), PlatformError); // an array
    EXPECT_THROW(form.addElement(ControlKind::TextBox, "lblDuty", 1), PlatformError);
    EXPECT_THROW(form.addElement(ControlKind::TextBox, "txtBinDB", 1), PlatformError);
    EXPECT_THROW(form.addElement(ControlKind::TextBox, "txtBinDB", -1), PlatformError);
    EXPECT_THROW(form.add(ControlKind::TextBox, "txtA", "fraNone"), PlatformError);
    EXPECT_THROW(form.add(ControlKind::TextBox, "txtB", "lblDuty"), PlatformError); // not a frame
    EXPECT_THROW(Form("frm Main"), PlatformError);
    EXPECT_EQ(form.controls().size(), 3u);
}

TEST(FormControls, PropertiesTheKindDoesNotHaveAreErrors) {
    Form form("frmMain");
    Control& label = form.add(ControlKind::Label, "lblDuty");
    Control& text = form.add(ControlKind::TextBox, "txtDuty");
    EXPECT_THROW(label.setText("x"), PlatformError);
    EXPECT_THROW(text.setCaption("x"), PlatformError);
    EXPECT_THROW(text.addItem("x"), PlatformError);
    EXPECT_THROW(text.setValue(1), PlatformError);
    EXPECT_THROW(text.setChecked(true), PlatformError);
    EXPECT_THROW(text.press(), PlatformError);
    EXPECT_THROW(label.setInterval(500), PlatformError);
    Control& bar = form.add(ControlKind::ProgressBar, "ProgressBar1");
    bar.setValue(100);
    EXPECT_THROW(bar.setValue(101), PlatformError);
    EXPECT_EQ(bar.value(), 100);
}

TEST(FormMenus, DisabledParentMakesItsEntriesUnreachable) {
    Form form("frmMain");
    form.add(ControlKind::MenuEntry, "mnuMode");
    form.add(ControlKind::MenuEntry, "mnuDBEffDuty", "mnuMode");
    Control& duty = form.add(ControlKind::MenuEntry, "mnuDuty", "mnuDBEffDuty");
    int clicks = 0;
    form.on("mnuDuty", Event::Click, [&](Control& c) {
        ++clicks;
        c.setChecked(true);
    });
    form.show();
    EXPECT_TRUE(user::click(form, "mnuDuty"));
    EXPECT_TRUE(duty.checked());
    form.at("mnuDBEffDuty").setEnabled(false);
    EXPECT_FALSE(user::click(form, "mnuDuty"));
    duty.press(); // the program may still run the entry
    EXPECT_EQ(clicks, 2);
}

TEST(FormLifeCycle, LoadRunsOnceShowLoadsFirstAndTheFormTakesClicksOnlyWhileShown) {
    Form form("frmCosting", "RAC Costing");
    Control& label = form.add(ControlKind::Label, "lblTitle");
    std::vector<std::string> seen;
    form.onLoad(
        [&] { seen.push_back("load in state " + std::to_string(static_cast<int>(form.state()))); });
    form.onClick([&] { seen.push_back("click"); });
    EXPECT_FALSE(user::clickForm(form));
    form.show();
    form.hide();
    EXPECT_FALSE(user::clickForm(form));
    form.showModal();
    EXPECT_TRUE(user::clickForm(form));
    EXPECT_EQ(seen, (std::vector<std::string>{"load in state 1", "click"})); // loaded, not shown
    EXPECT_EQ(form.state(), FormState::ShownModal);
    label.setCaption("changed");
    form.unload();
    form.hide();                           // loads again, hidden
    EXPECT_EQ(label.caption(), "changed"); // without a design state the controls are kept
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(form.state(), FormState::Hidden);
}

TEST(FormLifeCycle, CloseRequestsNameTheirSourceAndDoNotRecurse) {
    Form form("frmMain");
    form.add(ControlKind::TextBox, "txtA");
    std::vector<CloseSource> asked;
    form.onCloseRequest([&](CloseSource source) {
        asked.push_back(source);
        EXPECT_FALSE(form.requestClose(CloseSource::Program)); // asking again from inside
        return source == CloseSource::User ? CloseReply::Close : CloseReply::Refuse;
    });
    form.show();
    form.setFocus(form.at("txtA"));
    EXPECT_FALSE(form.requestClose(CloseSource::Program));
    EXPECT_FALSE(form.requestClose(CloseSource::WindowSystem));
    EXPECT_TRUE(form.shown());
    EXPECT_TRUE(user::close(form));
    EXPECT_EQ(asked, (std::vector<CloseSource>{CloseSource::Program, CloseSource::WindowSystem,
                                               CloseSource::User}));
    EXPECT_EQ(form.state(), FormState::NotLoaded);
    EXPECT_EQ(form.focus(), nullptr);
    EXPECT_FALSE(user::close(form)); // nothing left to close
}

// Every kind's fields, their order and values, colours as "#RRGGBB" and the shown, modal and
// hidden states are in the dumps of the transcripts (tests/cli/data), compared as text; what
// no transcript dumps is checked here.
TEST(ScreenDump, AnUnloadedFormAndLookUpsOfWhatIsNotThere) {
    Form form{"frmMain"};
    form.add(ControlKind::TextBox, "txtDuty").setText("12.5");
    const FormDump dump = dumpForm(form);
    EXPECT_EQ(dump.name, "frmMain");
    EXPECT_EQ(dump.state, "not loaded");
    EXPECT_EQ(dump.control("nothing"), nullptr);
    ASSERT_NE(dump.control("txtDuty"), nullptr);
    EXPECT_EQ(*dump.control("txtDuty")->field("text"), DumpValue(std::string("12.5")));
    EXPECT_EQ(dump.control("txtDuty")->field("items"), nullptr);
}

} // namespace
} // namespace rac::platform
