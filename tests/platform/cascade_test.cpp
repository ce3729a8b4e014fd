#include "event_log.h"
#include "platform/form.h"
#include "platform/platform_error.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

using Log = std::vector<std::string>;

class Cascade : public ::testing::Test {
  protected:
    Cascade() {
        form.add(ControlKind::TextBox, "txtA");
        form.add(ControlKind::List, "cmbPick").addItems({"12mm", "16mm"});
        form.add(ControlKind::EditableList, "cmbCircuit").addItems({"1B", "2B", "H"});
        form.add(ControlKind::CheckBox, "chkOption");
        form.add(ControlKind::Frame, "fraPayback");
        form.add(ControlKind::OptionButton, "optDesign", "fraPayback");
        form.add(ControlKind::OptionButton, "optBin", "fraPayback");
        form.add(ControlKind::OptionButton, "optWB");
        log.watch(form,
                  {"txtA", "cmbPick", "cmbCircuit", "chkOption", "optDesign", "optBin", "optWB"});
    }

    Form form{"frmTest"};
    testing_support::EventLog log;
};

TEST_F(Cascade, TextSetByProgramRaisesChangeBeforeTheSetterReturns) {
    std::string seen;
    form.on("txtA", Event::Change, [&](Control& c) { seen = c.text(); });
    form.at("txtA").setText("12");
    EXPECT_EQ(seen, "12");
    seen.clear();
    form.at("txtA").setText("12"); // the text it already has
    EXPECT_EQ(seen, "");
}

TEST_F(Cascade, ListIndexRaisesClickEvenWhenAlreadySelected) {
    Control& list = form.at("cmbPick");
    list.setListIndex(1);
    list.setListIndex(1);
    EXPECT_EQ(log.entries, (Log{"Click cmbPick", "Click cmbPick"}));
    EXPECT_EQ(list.text(), "16mm");
}

TEST_F(Cascade, FillingEmptyingAndDeselectingRaiseNothing) {
    Control& list = form.at("cmbCircuit");
    list.setListIndex(2);
    log.entries.clear();
    list.addItem("P");
    list.setListIndex(-1);
    EXPECT_EQ(list.text(), "");
    list.setListIndex(0);
    log.entries.clear();
    list.clearItems();
    EXPECT_TRUE(log.entries.empty());
    EXPECT_TRUE(list.items().empty());
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
}

TEST_F(Cascade, DropDownListTextSelectsTheItem) {
    Control& list = form.at("cmbPick");
    list.setText("16mm");
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(log.entries, (Log{"Click cmbPick"}));
    EXPECT_THROW(list.setText("20mm"), PlatformError);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_THROW(list.setListIndex(2), PlatformError);
    EXPECT_THROW(list.setListIndex(-2), PlatformError);
}

TEST_F(Cascade, EditableListTextRaisesChangeAndLeavesTheSelectionWhenItDiffers) {
    Control& list = form.at("cmbCircuit");
    list.setListIndex(0);
    list.setText("1B"); // the selected item's own text: nothing changes
    list.setText("H");
    EXPECT_EQ(log.entries, (Log{"Click cmbCircuit", "Change cmbCircuit"}));
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "H");
}

TEST_F(Cascade, CheckBoxRaisesClickOnlyWhenTheValueChanges) {
    Control& check = form.at("chkOption");
    check.setValue(1);
    check.setValue(1);
    check.setValue(0);
    EXPECT_EQ(log.entries, (Log{"Click chkOption", "Click chkOption"}));
    EXPECT_THROW(check.setValue(2), PlatformError);
    EXPECT_EQ(check.value(), 0);
}

TEST_F(Cascade, OptionDeselectsItsGroupOnlyAndAlwaysRaisesClick) {
    form.at("optWB").setValue(1);
    form.at("optDesign").setValue(1);
    form.at("optBin").setValue(1);
    form.at("optBin").setValue(1);
    EXPECT_EQ(form.at("optDesign").value(), 0);
    EXPECT_EQ(form.at("optBin").value(), 1);
    EXPECT_EQ(form.at("optWB").value(), 1); // another container, another group
    EXPECT_EQ(log.entries, (Log{"Click optWB", "Click optDesign", "Click optBin", "Click optBin"}));
    log.entries.clear();
    form.at("optBin").setValue(0);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(form.at("optBin").value(), 0);
}

TEST_F(Cascade, ChainedRulesRunInsideTheFirstSetter) {
    // A tube size rule fills and selects a fin type, whose rule writes a text.
    form.on("cmbPick", Event::Click, [&](Control&) {
        Control& fins = form.at("cmbCircuit");
        fins.clearItems();
        fins.addItems({"8", "10"});
        fins.setListIndex(1);
        log.entries.push_back("tube rule done");
    });
    form.on("cmbCircuit", Event::Click, [&](Control& c) { form.at("txtA").setText(c.text()); });
    form.at("cmbPick").setListIndex(0);
    EXPECT_EQ(log.entries, (Log{"Change txtA", "tube rule done"}));
    EXPECT_EQ(form.at("txtA").text(), "10");
}

TEST_F(Cascade, HandlerSettingItsOwnControlDoesNotRecurse) {
    int clicks = 0;
    form.on("cmbPick", Event::Click, [&](Control& c) {
        ++clicks;
        c.setListIndex(0); // would raise this Click again
    });
    int changes = 0;
    form.on("txtA", Event::Change, [&](Control& c) {
        ++changes;
        c.setText(c.text() + "!"); // would change the text for ever
    });
    form.at("cmbPick").setListIndex(1);
    form.at("txtA").setText("x");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.at("cmbPick").listIndex(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.at("txtA").text(), "x!");
    form.at("txtA").setText("y"); // the guard is released afterwards
    EXPECT_EQ(changes, 2);
}

TEST_F(Cascade, AnotherEventOnTheSameControlStillCascades) {
    form.on("cmbCircuit", Event::Click, [](Control& c) { c.setText("4"); });
    form.at("cmbCircuit").setListIndex(0);
    EXPECT_EQ(log.entries, (Log{"Change cmbCircuit"}));
}

TEST_F(Cascade, AThrowingHandlerReleasesTheGuard) {
    int calls = 0;
    form.on("chkOption", Event::Click, [&](Control&) {
        ++calls;
        throw std::runtime_error("handler failed");
    });
    EXPECT_THROW(form.at("chkOption").setValue(1), std::runtime_error);
    EXPECT_THROW(form.at("chkOption").setValue(0), std::runtime_error);
    EXPECT_EQ(calls, 2);
}

TEST(ControlArrays, ArrayHandlerServesElementsWithoutTheirOwn) {
    Form form("frmBins");
    for (int i = 1; i <= 3; ++i) {
        form.addElement(ControlKind::TextBox, "txtBinDB", i);
    }
    std::vector<int> changed;
    form.on("txtBinDB", Event::Change, [&](Control& c) { changed.push_back(*c.index()); });
    form.on("txtBinDB(2)", Event::Change, [&](Control&) { changed.push_back(-2); });
    form.at("txtBinDB", 1).setText("a");
    form.at("txtBinDB(2)").setText("b");
    form.at("txtBinDB", 3).setText("c");
    EXPECT_EQ(changed, (std::vector<int>{1, -2, 3}));
    EXPECT_EQ(form.at("txtBinDB(3)").arrayName(), "txtBinDB");
}

TEST(Observers, ToldOfEachChangeBeforeTheHandlerAndNeverOfNoChange) {
    Form form("frmTest");
    Control& text = form.add(ControlKind::TextBox, "txtA");
    std::vector<std::string> seen;
    const auto id = form.observe([&](const Control* c, Property p) {
        seen.push_back((c ? c->name() : "form") + ":" + std::to_string(static_cast<int>(p)));
    });
    form.on("txtA", Event::Change, [&](Control&) { seen.push_back("handler"); });
    text.setText("1");
    text.setText("1");
    text.setEnabled(true);
    text.setBackColour(black);
    form.setMousePointer(MousePointer::Wait);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "txtA:" + std::to_string(static_cast<int>(Property::Text)), "handler",
                        "txtA:" + std::to_string(static_cast<int>(Property::BackColour)),
                        "form:" + std::to_string(static_cast<int>(Property::MousePointer))}));
    form.unobserve(id);
    seen.clear();
    text.setText("2");
    EXPECT_EQ(seen, (std::vector<std::string>{"handler"}));
}

} // namespace
} // namespace rac::platform
