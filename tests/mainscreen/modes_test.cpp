#include "main_screen_fixture.h"
#include "mainscreen/main_layout.h"
#include "support/form_mirror.h"

#include <string>
#include <vector>

namespace rac::mainscreen::testing_support {
namespace {

using platform::black;
using Items = std::vector<std::string>;

using Modes = MainScreen;

TEST_F(Modes, RatingMakesTheCoilsEntriesAndTheTargetsResults) {
    choose("mnuRating");
    EXPECT_TRUE(control("mnuRating").checked());
    EXPECT_FALSE(control("mnuSelection").checked());
    EXPECT_EQ(main.at("StatusBar1", layout::kModePanel).text(), "Rating");
    EXPECT_EQ(main.at("StatusBar1", layout::kModePanel).picture(), layout::kPictureRating);
    EXPECT_FALSE(main.at("StatusBar1", layout::kTargetPanel).visible());
    for (const int button :
         {layout::kToolAirOffDB, layout::kToolEffectiveness, layout::kToolDuty}) {
        EXPECT_FALSE(main.at("Toolbar1", button).enabled());
    }
    EXPECT_FALSE(control("mnuDBEffDuty").enabled());
    for (const std::string name : {"txtDBSupplyOff", "txtEffectiveness", "txtDuty"}) {
        EXPECT_TRUE(isResult(control(name))) << name;
        EXPECT_EQ(text(name), "") << name;
    }
    for (const std::string name :
         {"lblFluidMaxPD", "txtFluidMaxPDSupply", "txtFluidMaxPDExtract", "txtTotalMaxPD"}) {
        EXPECT_FALSE(control(name).visible()) << name;
    }
    for (const std::string side : {"Supply", "Extract"}) {
        SCOPED_TRACE(side);
        // Blank rows would become "1", but Rating starts from 8 rows.
        EXPECT_EQ(text("txtNumberRows" + side), "8");
        EXPECT_TRUE(isEntry(control("txtNumberRows" + side)));
        EXPECT_EQ(control("cmbFinDensitySelect" + side).items(), (Items{"Fixed"}));
        EXPECT_EQ(control("cmbFinDensitySelect" + side).backColour(), black);
        EXPECT_EQ(control("cmbFinDensity" + side).items(),
                  (Items{"4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}));
        EXPECT_EQ(text("cmbFinDensity" + side), "8");
        EXPECT_TRUE(isEntry(control("cmbFinDensity" + side)));
        EXPECT_EQ(control("cmbCircuitTypeSelect" + side).items(), (Items{"Fixed", "Number"}));
        EXPECT_EQ(text("cmbCircuitTypeSelect" + side), "Fixed");
        EXPECT_TRUE(isEntry(control("cmbCircuitTypeSelect" + side)));
        EXPECT_EQ(text("cmbCircuitType" + side), "H");
        EXPECT_TRUE(isEntry(control("cmbCircuitType" + side)));
    }
}

TEST_F(Modes, SelectionAfterRatingRestoresOptimisedChoices) {
    choose("mnuRating");
    ASSERT_TRUE(platform::user::pressToolbarButton(main, layout::kToolSelection));
    EXPECT_TRUE(control("mnuSelection").checked());
    EXPECT_EQ(main.at("StatusBar1", layout::kModePanel).text(), "Selection");
    EXPECT_TRUE(main.at("StatusBar1", layout::kTargetPanel).visible());
    EXPECT_TRUE(control("mnuDBEffDuty").enabled());
    EXPECT_TRUE(main.at("Toolbar1", layout::kToolDuty).enabled());
    EXPECT_TRUE(control("txtTotalMaxPD").visible());
    EXPECT_TRUE(isEntry(control("txtDBSupplyOff")));
    EXPECT_EQ(text("txtDBSupplyOff"), "");
    for (const std::string side : {"Supply", "Extract"}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(text("txtNumberRows" + side), "");
        EXPECT_EQ(control("txtNumberRows" + side).backColour(), black);
        EXPECT_FALSE(control("txtNumberRows" + side).locked());
        EXPECT_EQ(text("cmbFinDensitySelect" + side), "Optimise");
        EXPECT_TRUE(isEntry(control("cmbFinDensitySelect" + side)));
        EXPECT_EQ(control("cmbFinDensitySelect" + side).items().size(), 3U);
        EXPECT_TRUE(control("cmbFinDensity" + side).items().empty());
        EXPECT_EQ(text("cmbCircuitTypeSelect" + side), "Optimise");
        EXPECT_TRUE(control("cmbCircuitType" + side).items().empty());
        EXPECT_TRUE(isResult(control("cmbCircuitType" + side)));
    }
}

TEST_F(Modes, ChangingModeDiscardsTheResultsButNotTheSummaryCommand) {
    calculate();
    ASSERT_EQ(text("txtDBExtractOff"), "10.0");
    choose("mnuRating");
    EXPECT_TRUE(resultsCleared());
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

TEST_F(Modes, FocusLeavesABoxTheSwitchTurnsIntoAResultOrHides) {
    struct Case {
        std::string name;
        std::vector<std::string> menusBefore;
        std::string focused;
        std::string menu;
        std::string focusAfter;
    };
    const Case cases[] = {
        {"duty target to Rating", {"mnuDuty"}, "txtDuty", "mnuRating", "txtDBSupplyOn"},
        {"effectiveness target to Rating",
         {"mnuEffectiveness"},
         "txtEffectiveness",
         "mnuRating",
         "txtDBSupplyOn"},
        {"air off target to Rating", {}, "txtDBSupplyOff", "mnuRating", "txtDBSupplyOn"},
        {"maximum pressure drop hidden by Rating",
         {},
         "txtFluidMaxPDExtract",
         "mnuRating",
         "txtDBSupplyOn"},
        {"an entry in both modes keeps it",
         {},
         "txtAirVolExtract",
         "mnuRating",
         "txtAirVolExtract"},
        {"rows stay editable in Selection",
         {"mnuRating"},
         "txtNumberRowsSupply",
         "mnuSelection",
         "txtNumberRowsSupply"},
        {"circuit number becomes a result in Selection",
         {"mnuRating"},
         "cmbCircuitTypeExtract",
         "mnuSelection",
         "txtDBSupplyOn"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        for (const std::string& menu : row.menusBefore) {
            choose(menu);
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
