#include "main_screen_fixture.h"
#include "mainscreen/fluid_pd_text.h"
#include "mainscreen/main_layout.h"

#include <map>
#include <string>
#include <vector>

namespace rac::mainscreen::testing_support {
namespace {

using Shown = std::map<std::string, std::string>;

class Calculate : public MainScreen {
  protected:
    void expectShown(const Shown& expected) {
        for (const auto& [name, value] : expected) {
            EXPECT_EQ(text(name), value) << name;
        }
    }
    void expectCompleted() {
        EXPECT_EQ(main.mousePointer(), platform::MousePointer::Normal);
        EXPECT_TRUE(control("cmdCosting").enabled());
        EXPECT_TRUE(main.at("Toolbar1", layout::kToolCosting).enabled());
        EXPECT_TRUE(control("cmdPrint").enabled());
        EXPECT_TRUE(main.at("Toolbar1", layout::kToolPrintSummary).enabled());
    }
    void expectCleared() {
        EXPECT_TRUE(resultsCleared());
        EXPECT_EQ(main.mousePointer(), platform::MousePointer::Normal);
    }
};

// The values the start-up request shows are in the startup_calculate transcript; here the
// toolbar's button gives the same calculation. The start-up screen's lists, texts, styles, menus,
// tool tips and status bar are in the transcripts' dumps, the window's title on the desktop; a
// dump carries neither a frame's tool tip nor a menu's container.
TEST_F(Calculate, ToolbarButtonCalculatesOnce) {
    EXPECT_EQ(control("Frame3").toolTip(), "Not available on current version of software");
    EXPECT_EQ(control("mnuSelection").container()->name(), "mnuSelectionRating");
    ASSERT_TRUE(platform::user::pressToolbarButton(main, layout::kToolCalculate));
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(services.events.count(), 1);
    EXPECT_EQ(text("txtDBExtractOff"), "10.0");
    expectCompleted();
}

TEST_F(Calculate, DutyTargetNeedsLargerCoilsThenWorksOutTheAirSide) {
    choose("mnuDuty");
    enter("txtDBSupplyOn", "30");
    enter("txtDBExtractOn", "22");
    enter("txtDuty", "20");
    calculate();
    EXPECT_EQ(titles(), (std::vector<std::string>{
                            "Number of Rows Required Greater Than Maximum Allowed - Supply Coil"}));
    expectCleared();
    EXPECT_EQ(text("txtDuty"), "20");
    EXPECT_TRUE(control("cmbFinDensitySupply").items().empty());

    for (const std::string side : {"Supply", "Extract"}) {
        enter("txtFinnedLength" + side, "4000");
        enter("txtTubesHigh" + side, "40");
    }
    calculate();
    // Cooling: -20 kW gives 30 - 20000 / (2.5 x 1.21 x 1000) = 23.4 C.
    expectShown({{"txtDBSupplyOff", "23.4"},
                 {"txtDBExtractOff", "28.6"},
                 {"txtEffectiveness", "83"},
                 {"txtDuty", "20"}});
    expectCompleted();
}

TEST_F(Calculate, SelectionShowsChoicesInTheUsersListsAndOneConnectionSize) {
    pick("cmbFinDensitySelectSupply", "Maximum");
    pick("cmbFinDensitySupply", "14");
    pick("cmbFinDensitySelectExtract", "Fixed");
    pick("cmbFinDensityExtract", "6");
    pick("cmbCircuitTypeSelectSupply", "Fixed");
    pick("cmbCircuitTypeSupply", "1B");
    calculate();
    // Information only: the calculation goes on.
    EXPECT_EQ(titles(),
              (std::vector<std::string>{"Non-Standard Coil Configuration - Supply Coil",
                                        "Fluid Pressure Drop > Maximum Specified - Supply Coil",
                                        "Fin Thickness Adjusted - Extract Coil"}));
    expectShown({{"txtNumberRowsSupply", "4"},
                 {"cmbFinDensitySupply", "14"},
                 {"cmbFinDensityExtract", "6"},
                 {"txtNumberRowsExtract", "10"},
                 {"cmbCircuitTypeSupply", "1B"},
                 {"cmbCircuitTypeExtract", "H"},
                 // Selection keeps one decimal however large the drop.
                 {"txtActualFluidPDSupply", "13607.4"},
                 {"txtTotalActualPD", "13645"},
                 {"txtConnectionSizeSupply", "15mm"},
                 {"txtConnectionSizeExtract", "15mm"}});
    EXPECT_EQ(control("cmbFinDensitySupply").items().size(), 9U);
    expectCompleted();
}

TEST_F(Calculate, RatingShowsLargeFluidPressureDropsWithoutDecimals) {
    choose("mnuRating");
    pick("cmbCircuitTypeSupply", "1B");
    pick("cmbCircuitTypeSelectExtract", "Number");
    enter("cmbCircuitTypeExtract", "2");
    calculate();
    expectShown({{"txtActualFluidPDSupply", "22129"},
                 {"txtActualFluidPDExtract", "3327"},
                 {"txtTotalActualPD", "25456"},
                 {"txtCoilCodeExtract", "12WS28.8-26Tx1000"},
                 {"txtConnectionSizeSupply", "15mm"},
                 {"txtConnectionSizeExtract", "1¼ inch"},
                 {"txtEffectiveness", "57.0"}});
}

TEST_F(Calculate, StoppedRatingClearsTheResults) {
    choose("mnuRating");
    calculate();
    for (const std::string side : {"Supply", "Extract"}) {
        enter("txtNumberRows" + side, "1");
    }
    calculate();
    EXPECT_EQ(lastMessage().title, "Unsuitable Coil");
    expectCleared();
    EXPECT_EQ(text("txtDBSupplyOff"), "9.9"); // the last rated value stays in Rating
    EXPECT_EQ(text("txtDuty"), "");
}

TEST(FluidPressureDropText, TotalAbove100LosesItsDecimals) {
    EXPECT_EQ(totalFluidPDText("62.4", "41.7"), "104");
    EXPECT_EQ(totalFluidPDText("50.0", "50.0"), "100");
    EXPECT_EQ(totalFluidPDText("60.2", "40.3"), "101"); // 100.5, a half away from zero
    EXPECT_EQ(totalFluidPDText("8.4", "8.4"), "16.8");
    EXPECT_EQ(totalFluidPDText("150", "3.3"), "153");
    EXPECT_EQ(wholeAbove100("100.0"), "100.0");
    EXPECT_EQ(wholeAbove100("100.5"), "101");
    EXPECT_EQ(wholeAbove100("2212.9"), "2213");
}

} // namespace
} // namespace rac::mainscreen::testing_support
