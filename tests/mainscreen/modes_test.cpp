#include "main_screen_fixture.h"
#include "mainscreen/main_layout.h"
#include "support/form_mirror.h"

#include <string>

namespace rac::mainscreen::testing_support {
namespace {

using Modes = MainScreen;

// Back in Selection every list, style, menu, toolbar button and status panel is as at start-up;
// only the air off target is left blank for a new entry.
TEST_F(Modes, SelectionAfterRatingIsTheStartUpScreenWithTheTargetBlank) {
    choose("mnuRating");
    ASSERT_TRUE(platform::user::pressToolbarButton(main, layout::kToolSelection));
    EXPECT_EQ(text("txtDBSupplyOff"), "");
    control("txtDBSupplyOff").setText("10");
    platform::RecordingServices freshServices;
    program::Application fresh(freshServices.services());
    fresh.start();
    EXPECT_TRUE(test::sameView(test::FormView(main), test::FormView(fresh.form<FrmMain>())));
}

// The rated screen's styles, lists, menus and status bar are in the rating_calculate transcript,
// whose calculation fills the targets.
TEST_F(Modes, ChangingModeDiscardsTheResultsButNotTheSummaryCommand) {
    calculate();
    ASSERT_EQ(text("txtDBExtractOff"), "10.0");
    choose("mnuRating");
    EXPECT_TRUE(resultsCleared());
    for (const std::string name : {"txtDBSupplyOff", "txtEffectiveness", "txtDuty"}) {
        EXPECT_EQ(text(name), "") << name;
    }
    EXPECT_EQ(text("txtNumberRowsSupply"), "8"); // blank rows would become "1"
    EXPECT_TRUE(control("cmdPrint").enabled());
    EXPECT_TRUE(main.at("Toolbar1", layout::kToolPrintSummary).enabled());
    calculate();
    ASSERT_EQ(text("txtDBSupplyOff"), "9.9");
    choose("mnuSelection");
    EXPECT_TRUE(resultsCleared());
}

TEST_F(Modes, TargetsSwapWhichAirFieldIsTheEntry) {
    struct Case {
        std::string menu;
        int toolbarButton;
        std::string field;
        std::string panel;
        int picture;
    };
    const Case cases[] = {
        {"mnuEffectiveness", layout::kToolEffectiveness, "txtEffectiveness", "Effectiveness",
         layout::kPictureEffectiveness},
        {"mnuDuty", layout::kToolDuty, "txtDuty", "Duty", layout::kPictureDuty},
        {"mnuDBOff", layout::kToolAirOffDB, "txtDBSupplyOff", "Air Off DB",
         layout::kPictureAirOffDB},
    };
    const auto check = [&](const Case& chosen) {
        for (const Case& other : cases) {
            EXPECT_EQ(control(other.menu).checked(), other.menu == chosen.menu) << other.menu;
            EXPECT_EQ(text(other.field), "") << other.field;
            if (other.field == chosen.field) {
                EXPECT_TRUE(isEntry(control(other.field)));
            } else {
                EXPECT_TRUE(isResult(control(other.field))) << other.field;
            }
        }
        EXPECT_EQ(main.focus(), &control(chosen.field));
        EXPECT_EQ(main.at("StatusBar1", layout::kTargetPanel).text(), chosen.panel);
        EXPECT_EQ(main.at("StatusBar1", layout::kTargetPanel).picture(), chosen.picture);
        EXPECT_TRUE(resultsCleared());
    };
    calculate(); // leaving the Air Off DB target discards these
    for (const Case& chosen : cases) {
        SCOPED_TRACE(chosen.menu);
        choose(chosen.menu);
        check(chosen);
        ASSERT_TRUE(platform::user::set(main, chosen.field, "12"));
        ASSERT_TRUE(platform::user::pressToolbarButton(main, chosen.toolbarButton));
        check(chosen); // the target already checked blanks its entry again
    }
}

// From the duty target to Rating is driven from the keyboard in the desktop tests.
TEST_F(Modes, FocusLeavesABoxTheSwitchTurnsIntoAResultOrHides) {
    struct Case {
        std::string name, menuBefore, focused, menu, focusAfter;
    };
    const Case cases[] = {
        {"effectiveness target to Rating", "mnuEffectiveness", "txtEffectiveness", "mnuRating",
         "txtDBSupplyOn"},
        {"air off target to Rating", "", "txtDBSupplyOff", "mnuRating", "txtDBSupplyOn"},
        {"maximum pressure drop hidden by Rating", "", "txtFluidMaxPDExtract", "mnuRating",
         "txtDBSupplyOn"},
        {"an entry in both modes keeps it", "", "txtAirVolExtract", "mnuRating",
         "txtAirVolExtract"},
        {"rows stay editable in Selection", "mnuRating", "txtNumberRowsSupply", "mnuSelection",
         "txtNumberRowsSupply"},
        {"circuit number becomes a result in Selection", "mnuRating", "cmbCircuitTypeExtract",
         "mnuSelection", "txtDBSupplyOn"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        if (!row.menuBefore.empty()) {
            choose(row.menuBefore);
        }
        ASSERT_TRUE(platform::user::focus(main, row.focused));
        choose(row.menu);
        ASSERT_NE(main.focus(), nullptr);
        EXPECT_EQ(main.focus()->name(), row.focusAfter);
        choose("mnuSelection");
        choose("mnuDBOff");
    }
}

TEST_F(Modes, DryAndWetChangeNothing) {
    calculate();
    const test::FormView before(main);
    ASSERT_TRUE(platform::user::pressToolbarButton(main, layout::kToolDry));
    ASSERT_TRUE(platform::user::pressToolbarButton(main, layout::kToolWet));
    ASSERT_TRUE(platform::user::click(main, "mnuDry"));
    EXPECT_FALSE(platform::user::click(main, "mnuWet"));
    EXPECT_TRUE(test::sameView(test::FormView(main), before));
}

} // namespace
} // namespace rac::mainscreen::testing_support
