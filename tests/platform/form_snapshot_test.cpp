#include "event_log.h"
#include "platform/form_snapshot.h"
#include "platform/platform_error.h"
#include "support/form_mirror.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

using test::FormMirror;
using test::FormView;
using test::sameView;

// A form with a control of every kind that holds state, shown, the focus in txtA.
class FormSnapshotTest : public ::testing::Test {
  protected:
    FormSnapshotTest() {
        form.add(ControlKind::TextBox, "txtA").setText("0");
        form.add(ControlKind::List, "cmbPick").addItems({"12mm", "16mm"});
        form.at("cmbPick").setListIndex(0);
        form.add(ControlKind::EditableList, "cmbCircuit").addItems({"1B", "H"});
        form.add(ControlKind::CheckBox, "chkOption").setCaption("GAM");
        form.add(ControlKind::Frame, "fraChoice");
        form.add(ControlKind::OptionButton, "optA", "fraChoice").setValue(1);
        form.add(ControlKind::OptionButton, "optB", "fraChoice");
        form.add(ControlKind::MenuEntry, "mnuRating");
        form.addElement(ControlKind::ToolbarButton, "Toolbar1", 1).setToolTip("Rating");
        form.addElement(ControlKind::StatusPanel, "StatusBar1", 1).setText("Selection");
        form.add(ControlKind::Timer, "Timer1").setInterval(500);
        form.add(ControlKind::ProgressBar, "prgLoading");
        form.show();
        form.setFocus(form.at("txtA"));
        log.watch(form, {"txtA", "cmbPick", "cmbCircuit", "chkOption", "optA", "optB", "mnuRating",
                         "Timer1"});
    }

    // Every kind of change a session makes, the form's own state included.
    void changeEverything() {
        form.at("txtA").setText("12.5");
        form.at("cmbPick").addItem("20mm");
        form.at("cmbPick").setListIndex(2);
        form.at("cmbCircuit").setText("7");
        form.at("chkOption").setValue(1);
        form.at("chkOption").setCaption("Changed");
        form.at("optB").setValue(1);
        form.at("mnuRating").setChecked(true);
        form.at("Toolbar1(1)").setEnabled(false);
        form.at("Toolbar1(1)").setToolTip("Changed");
        form.at("StatusBar1(1)").setPicture(2);
        form.at("Timer1").setInterval(0);
        form.at("prgLoading").setValue(40);
        form.at("txtA").setBackColour(black);
        form.at("txtA").setForeColour(white);
        form.at("txtA").setLocked(true);
        form.at("fraChoice").setVisible(false);
        form.setTitle("Changed");
        form.setMousePointer(MousePointer::Wait);
        form.setFocus(form.at("cmbCircuit"));
        form.hide();
    }

    Form form{"frmTest", "Test"};
    testing_support::EventLog log;
};

TEST_F(FormSnapshotTest,
       PutsTheFormAndEveryControlBackEachTimeWithoutAnEventAndABoundWindowFollows) {
    FormSnapshot snapshot(form);
    const FormView taken(form);
    FormMirror window(form);
    changeEverything();
    ASSERT_FALSE(sameView(FormView(form), taken));
    log.entries.clear();

    snapshot.restore();
    EXPECT_TRUE(sameView(FormView(form), taken));
    EXPECT_TRUE(sameView(window.view(), taken));
    EXPECT_EQ(log.entries, std::vector<std::string>{});

    const int toldBefore = window.told();
    snapshot.restore(); // nothing changed since
    EXPECT_EQ(window.told(), toldBefore);

    for (int session = 0; session < 3; ++session) {
        form.at("txtA").setText("session " + std::to_string(session));
        if (session == 1) {
            changeEverything();
        }
        form.at("cmbCircuit").clearItems();
        snapshot.restore();
        EXPECT_TRUE(sameView(FormView(form), taken)) << "session " << session;
    }
}

TEST_F(FormSnapshotTest, IsRestoredOnlyBetweenEventsAndOnlyToTheFormItWasTakenOf) {
    FormSnapshot snapshot(form);
    form.on("txtA", Event::Change, [&](Control&) { snapshot.restore(); });
    EXPECT_THROW(form.at("txtA").setText("1"), PlatformError);
    EXPECT_EQ(form.at("txtA").text(), "1");
    snapshot.restore();
    EXPECT_EQ(form.at("txtA").text(), "0");
    form.add(ControlKind::Label, "lblLate");
    EXPECT_THROW(snapshot.restore(), PlatformError); // the form grew since
}

} // namespace
} // namespace rac::platform
