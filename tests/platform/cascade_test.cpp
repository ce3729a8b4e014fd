#include "event_log.h"
#include "platform/form.h"
#include "platform/platform_error.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rac::platform {
namespace {

using Log = std::vector<std::string>;

// A control of each kind that raises events, every event logged. A text box's Change, raised
// inside the setter and only when the text differs, is in the observer tests.
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

TEST_F(Cascade, DropDownListSelectsByTextOrIndexAndClicksEvenWhenAlreadySelected) {
    Control& list = form.at("cmbPick");
    list.setText("16mm");
    EXPECT_EQ(list.listIndex(), 1);
    list.setListIndex(1);
    EXPECT_EQ(list.text(), "16mm");
    EXPECT_EQ(log.entries, (Log{"Click cmbPick", "Click cmbPick"}));
    EXPECT_THROW(list.setText("20mm"), PlatformError);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_THROW(list.setListIndex(2), PlatformError);
    EXPECT_THROW(list.setListIndex(-2), PlatformError);
}

TEST_F(Cascade, EditableListTextChangesOnlyWhenItDiffersAndFillingOrDeselectingRaiseNothing) {
    Control& list = form.at("cmbCircuit");
    list.setListIndex(0);
    list.setText("1B"); // the selected item's own text: nothing changes
    list.setText("H");  // leaves the selection
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "H");
    list.addItem("P");
    list.setListIndex(3);
    list.setListIndex(-1);
    EXPECT_EQ(list.text(), "");
    list.setListIndex(0);
    list.clearItems();
    EXPECT_EQ(log.entries, (Log{"Click cmbCircuit", "Change cmbCircuit", "Click cmbCircuit",
                                "Click cmbCircuit"}));
    EXPECT_TRUE(list.items().empty());
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
}

TEST_F(Cascade, CheckBoxClicksOnChangeOptionAlwaysAndDeselectsItsGroupOnly) {
    Control& check = form.at("chkOption");
    check.setValue(1);
    check.setValue(1);
    check.setValue(0);
    EXPECT_THROW(check.setValue(2), PlatformError);
    EXPECT_EQ(check.value(), 0);
    form.at("optWB").setValue(1);
    form.at("optDesign").setValue(1);
    form.at("optBin").setValue(1);
    form.at("optBin").setValue(1);
    EXPECT_EQ(form.at("optDesign").value(), 0);
    EXPECT_EQ(form.at("optBin").value(), 1);
    EXPECT_EQ(form.at("optWB").value(), 1); // another container, another group
    EXPECT_EQ(log.entries, (Log{"Click chkOption", "Click chkOption", "Click optWB",
                                "Click optDesign", "Click optBin", "Click optBin"}));
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

TEST_F(Cascade, OnlyTheEventRunningOnAControlIsHeldBackTillItsHandlerEnds) {
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
    form.on("cmbCircuit", Event::Click, [](Control& c) { c.setText("4"); }); // another event
    form.at("cmbPick").setListIndex(1);
    form.at("txtA").setText("x");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.at("cmbPick").listIndex(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.at("txtA").text(), "x!");
    form.at("txtA").setText("y"); // the guard is released afterwards
    EXPECT_EQ(changes, 2);
    form.at("cmbCircuit").setListIndex(0);
    EXPECT_EQ(log.entries, (Log{"Change cmbCircuit"}));
    // Also when the handler throws.
    form.on("chkOption", Event::Click, [&](Control&) {
        ++clicks;
        throw std::runtime_error("handler failed");
    });
    EXPECT_THROW(form.at("chkOption").setValue(1), std::runtime_error);
    EXPECT_THROW(form.at("chkOption").setValue(0), std::runtime_error);
    EXPECT_EQ(clicks, 3);
}

using Ran = std::vector<std::string>;

class Handlers : public ::testing::Test {
  protected:
    Handlers() {
        form.add(ControlKind::TextBox, "txtA");
        for (int index = 1; index <= 4; ++index) {
            form.addElement(ControlKind::TextBox, "txtBin", index);
        }
    }

    Handler writes(const std::string& what) {
        return [this, what](Control& control) { ran.push_back(what + " " + control.name()); };
    }

    Form form{"frmTest"};
    Ran ran;
};

TEST_F(Handlers, ALaterHandlerReplacesAnEarlierAndOneReplacingItselfRunsToItsEnd) {
    form.on("txtA", Event::Change, writes("first"));
    form.on("txtA", Event::Click, writes("click"));
    const std::string words = "the replaced handler's own state";
    form.on("txtA", Event::Change, [&, words](Control&) {
        form.on("txtA", Event::Change, writes("replacement"));
        ran.push_back(words);
    });
    form.at("txtA").setText("1");
    form.at("txtA").setText("2");
    EXPECT_EQ(ran, (Ran{"the replaced handler's own state", "replacement txtA"}));
}

TEST_F(Handlers, AnElementsOwnHandlerWinsWhicheverCameFirstAndAnEmptyOneSilencesItsArrays) {
    form.on("txtBin(2)", Event::Change, writes("own"));
    form.on("txtBin", Event::Change, writes("array"));
    form.on("txtBin(3)", Event::Change, writes("own"));
    form.on("txtBin(4)", Event::Change, Handler{});
    form.onKeyPress("txtBin", [this](Control& control, char32_t& key) {
        ran.push_back("key " + control.name());
        key = 'x';
    });
    for (int index = 1; index <= 4; ++index) {
        form.at("txtBin", index).setText("1");
    }
    EXPECT_EQ(form.raiseKeyPress(form.at("txtBin(3)"), 'a'), U'x');
    EXPECT_EQ(ran, (Ran{"array txtBin(1)", "own txtBin(2)", "own txtBin(3)", "key txtBin(3)"}));
    EXPECT_EQ(form.at("txtBin(3)").arrayName(), "txtBin");
    EXPECT_EQ(form.at("txtBin(3)").index(), 3);
}

} // namespace
} // namespace rac::platform
