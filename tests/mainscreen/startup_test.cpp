#include "coil/catalogue.h"
#include "main_screen_fixture.h"
#include "mainscreen/main_layout.h"

#include <string>
#include <vector>

namespace rac::mainscreen::testing_support {
namespace {

using platform::black;
using platform::Control;
using Items = std::vector<std::string>;

using StartUp = MainScreen;

TEST_F(StartUp, MainScreenIsShownInSelectionDryAirOffDB) {
    EXPECT_TRUE(main.shown());
    EXPECT_EQ(main.title(), "ZYL RAC Version 1.1");
    EXPECT_TRUE(control("mnuSelection").checked());
    EXPECT_FALSE(control("mnuRating").checked());
    EXPECT_TRUE(control("mnuDry").checked());
    EXPECT_FALSE(control("mnuWet").enabled());
    EXPECT_TRUE(control("mnuDBOff").checked());
    EXPECT_FALSE(control("mnuEffectiveness").checked());
    EXPECT_FALSE(control("mnuDuty").checked());
    EXPECT_TRUE(control("mnuDBEffDuty").enabled());

    const Control& mode = main.at("StatusBar1", layout::kModePanel);
    EXPECT_EQ(mode.text(), "Selection");
    EXPECT_EQ(mode.picture(), layout::kPictureSelection);
    const Control& target = main.at("StatusBar1", layout::kTargetPanel);
    EXPECT_EQ(target.text(), "Air Off DB");
    EXPECT_EQ(target.picture(), layout::kPictureAirOffDB);
    EXPECT_TRUE(target.visible());
}

TEST_F(StartUp, ListsHoldTheirDefaults) {
    EXPECT_EQ(control("cmbGlycolSelect").items(), (Items{"EGS", "PGS"}));
    EXPECT_EQ(text("cmbGlycolSelect"), "EGS");
    for (const std::string side : {"Supply", "Extract"}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(control("cmbTubeDiameter" + side).items(), (Items{"12mm", "16mm"}));
        EXPECT_EQ(text("cmbTubeDiameter" + side), "12mm");
        EXPECT_EQ(control("cmbFinMatType" + side).items(), coil::finTypesOffered("12mm"));
        EXPECT_EQ(control("cmbFinMatType" + side).listIndex(), 4);
        EXPECT_EQ(control("cmbFinDensitySelect" + side).items(),
                  (Items{"Optimise", "Fixed", "Maximum"}));
        EXPECT_EQ(text("cmbFinDensitySelect" + side), "Optimise");
        EXPECT_EQ(control("cmbCircuitTypeSelect" + side).items(),
                  (Items{"Optimise", "Fixed", "Number"}));
        EXPECT_EQ(text("cmbCircuitTypeSelect" + side), "Optimise");
        // Under "Optimise" these lists only ever show what a selection chose.
        EXPECT_TRUE(control("cmbFinDensity" + side).items().empty());
        EXPECT_TRUE(isResult(control("cmbFinDensity" + side)));
        EXPECT_TRUE(control("cmbCircuitType" + side).items().empty());
        EXPECT_TRUE(isResult(control("cmbCircuitType" + side)));
    }
}

TEST_F(StartUp, TextBoxesHoldTheScreenDesignValues) {
    const std::pair<std::string, std::string> texts[] = {
        {"txtDBSupplyOn", "0"},
        {"txtDBSupplyOff", "10"},
        {"txtDBExtractOn", "20"},
        {"txtAirVolExtract", "2.5"},
        {"txtTubesHighSupply", "26"},
        {"txtFinnedHeightSupply", "994"},
        {"txtFinnedHeightExtract", "994"},
        {"txtFinnedLengthSupply", "1000"},
        {"txtFinnedLengthExtract", "1000"},
        {"txtNumberSectionsExtract", "1"},
        {"txtGlycol", "0"},
        {"txtFluidMaxPDSupply", "50"},
        {"txtTotalMaxPD", "100"},
        {"txtWBSupplyOn", "N/A"},
        {"txtRHExtractOff", "N/A"},
        {"txtDBExtractOff", ""},
        {"txtNumberRowsSupply", ""},
        {"txtTotalActualPD", ""},
    };
    for (const auto& [name, expected] : texts) {
        EXPECT_EQ(text(name), expected) << name;
    }
    EXPECT_TRUE(services.messages.shown().empty());
}

TEST_F(StartUp, EntriesAndResultsHaveTheirStyles) {
    for (const std::string name :
         {"txtDBSupplyOn", "txtDBSupplyOff", "txtDBExtractOn", "txtAirVolSupply", "txtGlycol",
          "txtFluidMaxPDExtract", "cmbGlycolSelect", "txtTubesHighExtract", "txtFinnedLengthSupply",
          "txtNumberSectionsExtract", "cmbTubeDiameterSupply", "cmbFinMatTypeExtract",
          "cmbFinDensitySelectSupply", "cmbCircuitTypeSelectExtract"}) {
        EXPECT_TRUE(isEntry(control(name))) << name;
    }
    for (const std::string name :
         {"txtDBExtractOff", "txtEffectiveness", "txtDuty", "txtAirVelSupply", "txtFluidT1",
          "txtFluidFlowRate", "txtTotalMaxPD", "txtTotalActualPD", "txtCoilCodeSupply",
          "txtConnectionSizeExtract", "txtAirPDSupply", "txtActualFluidPDExtract"}) {
        EXPECT_TRUE(isResult(control(name))) << name;
    }
    // Rows are results in Selection, shown black, but the box is left editable.
    EXPECT_EQ(control("txtNumberRowsSupply").backColour(), black);
    EXPECT_FALSE(control("txtNumberRowsSupply").locked());
    EXPECT_FALSE(control("optWB").enabled());
    EXPECT_TRUE(control("txtRHExtractOff").locked());
}

TEST_F(StartUp, FollowOnCommandsWaitForACalculation) {
    EXPECT_FALSE(control("cmdCosting").enabled());
    EXPECT_FALSE(control("cmdPrint").enabled());
    EXPECT_FALSE(main.at("Toolbar1", layout::kToolCosting).enabled());
    EXPECT_FALSE(main.at("Toolbar1", layout::kToolPrintSummary).enabled());
    EXPECT_TRUE(control("cmdCalculate").enabled());
    EXPECT_TRUE(main.at("Toolbar1", layout::kToolAirOffDB).enabled());
}

TEST_F(StartUp, ToolbarSeparatorsHaveNoToolTip) {
    for (int position = 1; position <= layout::kToolbarButtons; ++position) {
        EXPECT_EQ(layout::isToolbarSeparator(position),
                  main.at("Toolbar1", position).toolTip().empty())
            << position;
    }
    EXPECT_EQ(main.at("Toolbar1", layout::kToolWet).toolTip(), "Wet (not available)");
    EXPECT_EQ(main.find("Toolbar1(18)"), nullptr);
}

TEST_F(StartUp, TextsKeepTheirExactSpelling) {
    EXPECT_EQ(control("lblFluidActualPD").caption(), "Actual  (kPa)");
    EXPECT_EQ(control("lblAirVolSupply").caption(), "Air Volume (m³/s)");
    EXPECT_EQ(control("mnuExit").caption(), "E&xit");
    EXPECT_EQ(control("Frame3").toolTip(), "Not available on current version of software");
    EXPECT_EQ(control("mnuSelection").container()->name(), "mnuSelectionRating");
}

} // namespace
} // namespace rac::mainscreen::testing_support
