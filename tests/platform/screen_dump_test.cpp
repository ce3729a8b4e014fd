#include "platform/screen_dump.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

using Items = std::vector<std::string>;

std::vector<std::string> keysOf(const ControlDump& dump) {
    std::vector<std::string> keys;
    for (const auto& field : dump.fields) {
        keys.push_back(field.key);
    }
    return keys;
}

class ScreenDump : public ::testing::Test {
  protected:
    ScreenDump() {
        Control& duty = form.add(ControlKind::TextBox, "txtDuty");
        duty.setText("12.5");
        duty.setLocked(true);
        duty.setBackColour(black);
        duty.setForeColour(white);
        Control& fins = form.add(ControlKind::EditableList, "cmbFinDensitySupply");
        fins.addItems({"8", "10"});
        fins.setListIndex(1);
        form.add(ControlKind::OptionButton, "optBinPayback").setValue(1);
        form.add(ControlKind::CheckBox, "chkGAMSupply").setCaption("GAM");
        form.add(ControlKind::Shape, "shpSupplyDuct").setBackColour(fromBgr(0x8080FF));
        form.add(ControlKind::MenuEntry, "mnuSelection").setChecked(true);
        form.addElement(ControlKind::ToolbarButton, "Toolbar1", 7)
            .setToolTip("Calculate Using Air Off Dry Bulb");
        Control& panel = form.addElement(ControlKind::StatusPanel, "StatusBar1", 2);
        panel.setText("Selection");
        panel.setPicture(1);
        Control& timer = form.add(ControlKind::Timer, "Timer1");
        timer.setInterval(500);
        form.show();
    }

    Form form{"frmMain"};
};

TEST_F(ScreenDump, EachKindShowsItsOwnFieldsWithTheirValuesAndTheFormItsState) {
    const FormDump dump = dumpForm(form);
    EXPECT_EQ(dump.name, "frmMain");
    EXPECT_EQ(dump.state, "shown");
    ASSERT_EQ(dump.controls.size(), 9u);
    EXPECT_EQ(dump.controls.front().name, "txtDuty"); // in the order added
    EXPECT_EQ(keysOf(*dump.control("txtDuty")),
              (Items{"text", "enabled", "visible", "locked", "back", "fore"}));
    EXPECT_EQ(keysOf(*dump.control("mnuSelection")), (Items{"caption", "checked", "enabled"}));
    EXPECT_EQ(keysOf(*dump.control("Toolbar1(7)")), (Items{"enabled", "tooltip"}));
    EXPECT_EQ(keysOf(*dump.control("StatusBar1(2)")), (Items{"text", "picture", "visible"}));
    EXPECT_EQ(keysOf(*dump.control("Timer1")), (Items{"enabled", "interval"}));
    EXPECT_EQ(dump.control("nothing"), nullptr);

    const ControlDump& duty = *dump.control("txtDuty");
    EXPECT_EQ(*duty.field("text"), DumpValue(std::string("12.5")));
    EXPECT_EQ(*duty.field("locked"), DumpValue(true));
    EXPECT_EQ(*duty.field("back"), DumpValue(std::string("#000000")));
    EXPECT_EQ(*duty.field("fore"), DumpValue(std::string("#FFFFFF")));
    EXPECT_EQ(duty.field("items"), nullptr);
    const ControlDump& fins = *dump.control("cmbFinDensitySupply");
    EXPECT_EQ(*fins.field("items"), DumpValue(Items{"8", "10"}));
    EXPECT_EQ(*fins.field("index"), DumpValue(1));
    EXPECT_EQ(*fins.field("text"), DumpValue(std::string("10")));
    EXPECT_EQ(*dump.control("optBinPayback")->field("value"), DumpValue(true));
    EXPECT_EQ(*dump.control("chkGAMSupply")->field("value"), DumpValue(0));
    // 0x8080FF is blue-green-red: a light red.
    EXPECT_EQ(*dump.control("shpSupplyDuct")->field("back"), DumpValue(std::string("#FF8080")));
    EXPECT_EQ(*dump.control("mnuSelection")->field("checked"), DumpValue(true));
    EXPECT_EQ(*dump.control("StatusBar1(2)")->field("picture"), DumpValue(1));
    EXPECT_EQ(*dump.control("Timer1")->field("interval"), DumpValue(500));

    form.hide();
    EXPECT_EQ(dumpForm(form).state, "hidden");
    form.showModal();
    EXPECT_EQ(dumpForm(form).state, "shown modal");
    form.unload();
    EXPECT_EQ(dumpForm(form).state, "not loaded");
}

} // namespace
} // namespace rac::platform
