#include "costing/frm_costing.h"
#include "mainscreen/main_screen_fixture.h"
#include "support/form_mirror.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace rac::program {
namespace {

using namespace mainscreen;
using namespace mainscreen::testing_support;

using test::FormMirror;
using test::FormView;
using test::sameView;
namespace user = platform::user;

// The application with its start-up state kept, beside one freshly started to compare with.
class Snapshot : public MainScreen {
  protected:
    Snapshot() {
        app.takeSnapshot();
        fresh.start();
    }

    // A session that reaches every part of the program: both modes and all targets, every
    // coil rule, calculations that complete and that fail, a costing, the schematic timer, a
    // field left holding the focus, the About box.
    void varySession() {
        // A costing with the password remembered, the breakdown shown and the eliminators'
        // pressure drop written to the main screen.
        calculate();
        ASSERT_TRUE(user::click(main, "cmdCosting"));
        auto& costing = app.form<costing::FrmCosting>();
        platform::Form& password = *app.form("frmPassword");
        ASSERT_TRUE(user::click(costing, "mnuAdditionalInformation"));
        ASSERT_TRUE(user::click(password, "chkRememberPassword"));
        ASSERT_TRUE(user::set(password, "txtPassword", "TORVIX205917"));
        ASSERT_TRUE(user::click(password, "cmdOK"));
        ASSERT_TRUE(user::click(costing, "chkEliminatorsExtract"));
        ASSERT_TRUE(user::click(costing, "cmdCalculateCost"));
        ASSERT_TRUE(user::click(costing, "cmdCostingBreakdown"));
        ASSERT_TRUE(user::click(costing, "cmdclose"));
        choose("mnuRating");
        pick("cmbTubeDiameterExtract", "16mm");
        pick("cmbCircuitTypeSelectSupply", "Number");
        enter("txtNumberRowsSupply", "6");
        calculate();
        choose("mnuSelection");
        choose("mnuEffectiveness");
        enter("txtEffectiveness", "60");
        pick("cmbFinDensitySelectSupply", "Maximum");
        pick("cmbGlycolSelect", "PGS");
        enter("txtGlycol", "30");
        calculate();
        choose("mnuDuty");
        enter("txtDuty", "abc");
        calculate();
        ASSERT_EQ(user::tick(main, "Timer1", 3), 3);
        choose("mnuAbout");
        ASSERT_TRUE(user::set(main, "txtTubesHighSupply", "x"));
        user::leave(main, "txtTubesHighSupply");
        ASSERT_EQ(main.focus(), &control("txtTubesHighSupply"));
    }

    platform::RecordingServices freshServices;
    Application fresh{freshServices.services()};
};

// After any session each form, and a window bound to it that copies only what it is told of, shows
// what a fresh start shows; after one the user ended, a session goes on as on a fresh start.
TEST_F(Snapshot, RestoringGoesBackToAFreshStart) {
    std::vector<std::unique_ptr<FormMirror>> windows;
    for (platform::Form* form : app.forms()) {
        windows.push_back(std::make_unique<FormMirror>(*form));
    }
    const auto sameAsFresh = [&] {
        const auto forms = app.forms();
        const auto freshForms = fresh.forms();
        ASSERT_EQ(forms.size(), freshForms.size());
        for (std::size_t i = 0; i < forms.size(); ++i) {
            EXPECT_TRUE(sameView(FormView(*forms[i]), FormView(*freshForms[i])));
            EXPECT_TRUE(sameView(windows[i]->view(), FormView(*freshForms[i])));
        }
    };
    varySession();
    app.restoreSnapshot();
    sameAsFresh();

    const auto session = [](Application& program) {
        FrmMain& screen = program.form<FrmMain>();
        ASSERT_TRUE(user::click(screen, "mnuRating"));
        ASSERT_TRUE(user::click(screen, "cmdCalculate"));
        // A password remembered before the snapshot was restored is not remembered now.
        ASSERT_TRUE(user::click(screen, "cmdCosting"));
        auto& costing = program.form<costing::FrmCosting>();
        ASSERT_TRUE(user::click(costing, "mnuAdditionalInformation"));
        ASSERT_TRUE(user::click(*program.form("frmPassword"), "cmdOK"));
        ASSERT_TRUE(user::click(costing, "cmdCalculateCost"));
        ASSERT_TRUE(user::click(costing, "cmdclose"));
        ASSERT_EQ(user::tick(screen, "Timer1", 2), 2);
        ASSERT_TRUE(user::click(screen, "mnuSelection"));
        ASSERT_TRUE(user::click(screen, "cmdCalculate"));
    };
    // Once more, ended by the user.
    varySession();
    ASSERT_TRUE(user::click(main, "mnuExit"));
    ASSERT_TRUE(app.exited());
    app.restoreSnapshot();
    EXPECT_FALSE(app.exited());
    services.messages.clear();
    session(app);
    session(fresh);
    EXPECT_EQ(services.messages.shown(), freshServices.messages.shown());
    sameAsFresh();
}

TEST(ApplicationSnapshot, CannotBeRestoredBeforeItIsTaken) {
    platform::RecordingServices services;
    Application app(services.services());
    app.start();
    EXPECT_THROW(app.restoreSnapshot(), std::logic_error);
}

} // namespace
} // namespace rac::program
