#include "platform/modal_group.h"
#include "platform/platform_error.h"
#include "platform/user_actions.h"
#include "support/form_mirror.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

using test::FormView;
using test::sameView;

// A form whose Load fills a list, as the screens' loads do, and counts its runs.
class DesignState : public ::testing::Test {
  protected:
    DesignState() {
        form.add(ControlKind::TextBox, "txtDepth").setText("0");
        form.add(ControlKind::List, "cmbStyle");
        form.add(ControlKind::CheckBox, "chkGAM");
        form.onLoad([this] {
            ++loads;
            form.at("cmbStyle").addItems({"Economy", "Standard"});
            form.at("cmbStyle").setListIndex(0);
        });
        form.keepDesignState();
    }

    Form form{"frmCosting", "RAC Costing"};
    int loads = 0;
};

TEST_F(DesignState, AnUnloadedFormComesBackAsIfMadeAfresh) {
    form.show();
    const FormView firstShown(form);
    form.at("txtDepth").setText("250");
    form.at("cmbStyle").addItem("Coverbox");
    form.at("chkGAM").setValue(1);
    form.at("chkGAM").setVisible(false);
    form.setTitle("Changed");
    form.setFocus(form.at("txtDepth"));
    form.unload();
    EXPECT_EQ(form.at("txtDepth").text(), "250") << "an unloaded form keeps its state until loaded";

    form.show();
    EXPECT_EQ(loads, 2);
    EXPECT_TRUE(sameView(FormView(form), firstShown));
    EXPECT_EQ(form.at("cmbStyle").items(), (std::vector<std::string>{"Economy", "Standard"}))
        << "Load ran on the design state, not on the old list";
}

// A window that lives as long as the program goes out of sight on its close box, keeping what it
// shows, as a hide by the program does; only an unload discards it.
TEST_F(DesignState, ACloseOrAHideThatHidesKeepsTheState) {
    form.onCloseRequest([](CloseSource) { return CloseReply::Hide; });
    form.show();
    form.at("txtDepth").setText("250");
    EXPECT_TRUE(user::close(form));
    EXPECT_EQ(form.state(), FormState::Hidden);
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(form.at("txtDepth").text(), "250");
    EXPECT_EQ(loads, 1);
    EXPECT_THROW(form.keepDesignState(), PlatformError) << "only before the first load";
}

// Three forms of one program, each with a button that counts its clicks.
class Modality : public ::testing::Test {
  protected:
    Modality() {
        for (Form* form : {&main, &summary, &about}) {
            form->add(ControlKind::CommandButton, "cmdGo");
            form->add(ControlKind::TextBox, "txtNote");
            form->on("cmdGo", Event::Click, [this](Control&) { ++clicks; });
            group.add(*form);
        }
        main.show();
        about.show();
    }

    Form main{"frmMain"};
    Form summary{"frmSummary"};
    Form about{"frmAbout"};
    ModalGroup group;
    int clicks = 0;
};

TEST_F(Modality, AFormShownModalKeepsTheUserFromEveryOtherTillItGoes) {
    ASSERT_TRUE(user::focus(about, "txtNote"));
    summary.showModal();
    EXPECT_EQ(group.modal(), &summary);
    EXPECT_EQ(main.blockedBy(), &summary);
    EXPECT_FALSE(user::click(main, "cmdGo"));
    EXPECT_FALSE(user::set(about, "txtNote", "x"));
    EXPECT_FALSE(user::focus(main, "txtNote"));
    EXPECT_FALSE(user::leave(about, "txtNote")) << "nor can the focus be taken from it";
    EXPECT_EQ(about.focus(), &about.at("txtNote"));
    EXPECT_FALSE(user::clickForm(about));
    EXPECT_FALSE(user::close(main));
    EXPECT_TRUE(main.shown()) << "a refused close leaves the window open";
    EXPECT_EQ(clicks, 0);
    // The program itself is not held back, nor is the modal form.
    main.at("cmdGo").press();
    EXPECT_TRUE(user::click(summary, "cmdGo"));
    EXPECT_EQ(clicks, 2);

    summary.unload();
    EXPECT_EQ(group.modal(), nullptr);
    EXPECT_TRUE(user::click(main, "cmdGo"));
    EXPECT_EQ(clicks, 3);
}

TEST_F(Modality, TheLastModalFormBlocksAndTheOneBeforeTakesOverWhenItGoes) {
    summary.showModal();
    about.showModal();
    EXPECT_EQ(summary.blockedBy(), &about);
    EXPECT_EQ(about.blockedBy(), nullptr);
    about.hide();
    EXPECT_EQ(group.modal(), &summary);
    EXPECT_EQ(main.blockedBy(), &summary);
    EXPECT_EQ(summary.blockedBy(), nullptr);
    summary.show(); // shown again without modality
    EXPECT_EQ(main.blockedBy(), nullptr);
}

} // namespace
} // namespace rac::platform
