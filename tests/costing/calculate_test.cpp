// The costing's Calculate: its checks, the coil prices, weights and volumes, the run-around totals,
// the eliminators' pressure drop, the breakdown and the design payback.
#include "costing_fixture.h"

#include <map>
#include <string>
#include <vector>

namespace rac::costing::testing_support {
namespace {

using coil::CoilSide;
using Shown = std::map<std::string, std::string>;

class Calculate : public CostingScreen {
  protected:
    void expectShown(const Shown& expected) {
        for (const auto& [name, value] : expected) {
            EXPECT_EQ(shown(name), value) << name;
        }
    }
    void expectPrintable(bool printable) {
        EXPECT_EQ(field("cmdPrint").enabled(), printable);
        EXPECT_EQ(costing.at("Toolbar1", 1).enabled(), printable);
        EXPECT_EQ(app.state().CostingDone, printable);
        EXPECT_EQ(costing.mousePointer(), platform::MousePointer::Normal);
    }
};

TEST_F(Calculate, PricesTheStartUpPairAndItsPaybackAtDesignConditions) {
    costIt();
    EXPECT_TRUE(services.messages.shown().empty());
    expectShown({{"txtCasingDepthSupply", "360"},
                 {"txtSellPriceSupply", "1043"},
                 {"txtTotalWeightSupply", "116.4"},
                 {"txtInternalVolumeSupply", "26.1"},
                 {"txtCasingDepthExtract", "360"},
                 {"txtSellPriceExtract", "1087"},
                 {"txtTotalWeightExtract", "112.6"},
                 {"txtInternalVolumeExtract", "26.1"},
                 {"txtTotalRACExWorksPriceSterling", "2130"},
                 {"txtTotalRACExWorksPriceForeign", "2130"},
                 {"txtTotalRACWeight", "229"},
                 {"txtTotalRACInternalVolume", "52.2"},
                 // 30.25 kW over 3000 h at 0.03 a kWh pays 2130 back in 9.4 months.
                 {"txtAnnualEnergySaving", "90750"},
                 {"txtAnnualEnergyCostSaving", "2723"},
                 {"txtPayBackCost", "9"}});
    expectPrintable(true);
    // Without eliminators the main screen's air pressure drops stay as calculated.
    EXPECT_EQ(main.at("txtAirPDSupply").text(), "213.5");
    EXPECT_EQ(main.at("txtAirPDExtract").text(), "217.9");
}

// The checks run in this order, each stopping the costing at the box it names.
TEST_F(Calculate, ChecksTheGrossMarginAndNonStandardDepths) {
    struct Row {
        const char* name;
        const char *margin, *supplyDepth, *extractDepth;
        const char *title, *text, *focus;
    };
    const Row rows[] = {
        {"a margin of 100 %", "100", "", "", "Value Out of Range",
         "The Gross Margin must be greater than or equal to 0% and less than 100%.",
         "txtGrossMargin"},
        {"a negative margin", "-0.5", "", "", "Value Out of Range",
         "The Gross Margin must be greater than or equal to 0% and less than 100%.",
         "txtGrossMargin"},
        {"a margin that is no number", "60%", "", "", "Non-Numeric Value",
         "The Gross Margin must be numeric.", "txtGrossMargin"},
        {"the margin before the depths", "abc", "x", "x", "Non-Numeric Value",
         "The Gross Margin must be numeric.", "txtGrossMargin"},
        {"a supply depth under 5 mm", "60", "4.9", "300", "Value Out of Range",
         "The supply casing depth must be greater than 5mm.", "txtCasingDepthSupply"},
        {"an empty supply depth", "60", "", "300", "Non-Numeric Value",
         "The supply casing depth must be numeric.", "txtCasingDepthSupply"},
        {"an extract depth that is no number", "60", "5", "12mm", "Non-Numeric Value",
         "The extract casing depth must be numeric.", "txtCasingDepthExtract"},
    };
    grantAccess();
    clickOn("chkGrossMargin");
    for (const char* side : {"Supply", "Extract"}) {
        pickOn(std::string("cmbCasingDepthSelect") + side, "Non-Standard");
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        services.messages.clear();
        ASSERT_TRUE(user::set(costing, "txtGrossMargin", row.margin));
        ASSERT_TRUE(user::set(costing, "txtCasingDepthSupply", row.supplyDepth));
        ASSERT_TRUE(user::set(costing, "txtCasingDepthExtract", row.extractDepth));
        costIt();
        ASSERT_EQ(services.messages.shown().size(), 1u);
        EXPECT_EQ(lastMessage().title, row.title);
        EXPECT_EQ(lastMessage().text, row.text);
        ASSERT_NE(costing.focus(), nullptr);
        EXPECT_EQ(costing.focus()->name(), row.focus);
        EXPECT_TRUE(outputsCleared(costing));
        EXPECT_EQ(costing.mousePointer(), platform::MousePointer::Normal);
    }
}

TEST_F(Calculate, BoundariesThatPass) {
    grantAccess();
    clickOn("chkGrossMargin");
    enterOn("txtGrossMargin", "0");
    pickOn("cmbCasingDepthSelectSupply", "Non-Standard");
    enterOn("txtCasingDepthSupply", "5");
    costIt();
    EXPECT_TRUE(services.messages.shown().empty());
    // With no margin the coil sells at its cost (a casing 5 mm deep costs little).
    EXPECT_EQ(shown("txtSellPriceSupply"), "398");
    EXPECT_EQ(breakdown.at("txtTotalCostSupply").text(), "397.95");
    EXPECT_EQ(shown("txtCasingDepthSupply"), "5");
    expectPrintable(true);
}

// While the Additional Information is closed the margin is not the user's: no check, 60 %.
TEST_F(Calculate, HiddenGrossMarginIsNeitherCheckedNorUsed) {
    EXPECT_FALSE(user::set(costing, "txtGrossMargin", "abc")); // hidden: no user reaches it
    costIt();
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(shown("txtSellPriceSupply"), "1043");
}

TEST_F(Calculate, EliminatorsOnOneCoilRaiseOnlyItsAirPressureDrop) {
    clickOn("chkEliminatorsExtract");
    costIt();
    ASSERT_EQ(services.messages.shown().size(), 1u);
    EXPECT_EQ(lastMessage().title, "Extract Eliminator Pressure Drop Added");
    EXPECT_EQ(lastMessage().text, "The extract air pressure drop has been increased from "
                                  "217.9323 Pa to 249.5607 Pa to include eliminators.");
    EXPECT_EQ(main.at("txtAirPDExtract").text(), "249.6");
    EXPECT_EQ(main.at("txtAirPDSupply").text(), "213.5");
    // The eliminators' 180 mm are added to the standard depth.
    EXPECT_EQ(shown("txtCasingDepthExtract"), "540");

    clickOn("chkEliminatorsExtract");
    costIt();
    EXPECT_EQ(main.at("txtAirPDExtract").text(), "217.9");
}

TEST_F(Calculate, TotalsAddTheRoundedValuesTheCoilsShow) {
    grantAccess();
    pickStyle("cmbCasingStyleSupply", "Standard"); // left: vent and drain ticked
    pickOn("cmbCasingMaterialSupply", "14g galv");
    pickStyle("cmbCasingStyleExtract", "Standard");
    pickOn("cmbCasingMaterialExtract", "3mm galv");
    costIt();
    // 2.5 x 426.52 = 1066.3 and 2.5 x 456.56 = 1141.4 show as 1066 and 1141; their unrounded
    // sum, 2207.7, would show as 2208.
    EXPECT_EQ(breakdown.at("txtTotalCostSupply").text(), "426.52");
    EXPECT_EQ(breakdown.at("txtTotalCostExtract").text(), "456.56");
    expectShown({{"txtSellPriceSupply", "1066"},
                 {"txtSellPriceExtract", "1141"},
                 {"txtTotalRACExWorksPriceSterling", "2207"}});
}

TEST_F(Calculate, BreakdownIsWrittenByEveryCostingAndClearedWithTheResults) {
    grantAccess();
    EXPECT_FALSE(field("cmdCostingBreakdown").enabled());
    costIt();
    ASSERT_TRUE(field("cmdCostingBreakdown").enabled());
    EXPECT_FALSE(breakdown.shown());
    for (const auto& [box, value] :
         std::vector<std::pair<const char*, const char*>>{{"txtFixMaterialSupply", "1.00"},
                                                          {"txtCarriageCost", "0.00"},
                                                          {"txtVentDrainMaterialExtract", "0.00"},
                                                          {"txtEliminatorsLabourExtract", "0.00"},
                                                          {"txtTotalCostSupply", "417.37"}}) {
        EXPECT_EQ(breakdown.at(box).text(), value) << box;
    }
    clickOn("cmdCostingBreakdown");
    EXPECT_TRUE(breakdown.shown());
    EXPECT_EQ(breakdown.title(), "ZYL RAC Costing Breakdown");
    ASSERT_TRUE(user::click(breakdown, "cmdPrint"));
    EXPECT_EQ(services.printer.printed().back().name, "frmCostingBreakdown");
    ASSERT_TRUE(user::click(breakdown, "cmdOK"));
    EXPECT_FALSE(breakdown.shown());

    clickOn("chkTestPointsSupply");
    EXPECT_EQ(breakdown.at("txtFixMaterialSupply").text(), "");
    EXPECT_EQ(breakdown.at("txtCarriageCost").text(), "");
}

// The end plate line counts the sections once more than the sheet-metal total does.
TEST_F(Calculate, EndPlateLineOfSeveralSectionsDoesNotAddUpToTheSheetMetal) {
    costing.Close();
    for (const char* sections : {"txtNumberSectionsSupply", "txtNumberSectionsExtract"}) {
        enter(sections, "2");
    }
    calculate();
    ASSERT_TRUE(user::click(main, "cmdCosting"));
    grantAccess();
    costIt();
    const auto line = [&](const char* name) { return breakdown.at(name).text(); };
    // Two end plates (33.37 for both sections) and two side plates (42.70) make the 76.07 of
    // sheet metal; the end plate line counts the sections once more, 66.74.
    EXPECT_EQ(line("txtEndPlatesSupply"), "66.74");
    EXPECT_EQ(line("txtSidePlatesSupply"), "42.70");
    EXPECT_EQ(line("txtCSPSupply"), "0.00");
    EXPECT_EQ(line("txtSheetMetalCostSupply"), "76.07");
}

TEST_F(Calculate, ChecksThePaybackInputsAfterThePrices) {
    struct Row {
        const char* name;
        const char *energyCost, *runHours, *exchangeRate;
        const char *title, *text, *emptied;
    };
    const char* energyRange =
        "Energy cost must be between 0.000001 and 1000. Please enter a valid value.";
    const char* hoursRange =
        "Annual running hours must be between 100 and 8760 hours. Please enter a valid value.";
    const Row rows[] = {
        {"energy cost that is no number, before the hours", "abc", "99", "0.5",
         "Non-Numeric Value or Return Key Pressed",
         "Energy Cost input is not numeric. Please enter a valid value.", "txtEnergyCost"},
        {"energy cost of 0", "0", "3000", "0.5", "Invalid Value", energyRange, "txtEnergyCost"},
        {"energy cost above 1000", "1000.01", "3000", "0.5", "Invalid Value", energyRange,
         "txtEnergyCost"},
        {"hours that are no number", "0.03", "", "0.5", "Non-Numeric Value or Return Key Pressed",
         "Annual running hours input is not numeric. Please enter a valid value.",
         "txtAnnualRunHours"},
        {"99 hours", "0.03", "99", "0.5", "Invalid Value", hoursRange, "txtAnnualRunHours"},
        {"8761 hours", "0.03", "8761", "0.5", "Invalid Value", hoursRange, "txtAnnualRunHours"},
        {"a rate that is no number", "0.03", "3000", "1/2",
         "Non-Numeric Value or Return Key Pressed",
         "Exchange Rate input is not numeric. Please enter a valid value.", "txtExchangeRate"},
        {"a rate of 0", "0.03", "3000", "0", "Invalid Value",
         "Exchange Rate must be greater than 0.000001. Please enter a valid value.",
         "txtExchangeRate"},
    };
    pickOn("cmbCountry", "Kuwait");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        enterOn("txtEnergyCost", row.energyCost);
        enterOn("txtAnnualRunHours", row.runHours);
        enterOn("txtExchangeRate", row.exchangeRate);
        services.messages.clear();
        costIt();
        ASSERT_EQ(services.messages.shown().size(), 1u);
        EXPECT_EQ(lastMessage().title, row.title);
        EXPECT_EQ(lastMessage().text, row.text);
        EXPECT_EQ(shown(row.emptied), "");
        ASSERT_NE(costing.focus(), nullptr);
        EXPECT_EQ(costing.focus()->name(), row.emptied);
        // Emptying the box is an input change: the prices go too, and nothing is printable.
        EXPECT_TRUE(outputsCleared(costing));
        expectPrintable(false);
        // The settings are saved all the same, the emptied box with them.
        if (std::string(row.emptied) != "txtAnnualRunHours") {
            EXPECT_EQ(
                services.settings.entries().at(
                    std::string("PaybackCalc/") +
                    (std::string(row.emptied) == "txtEnergyCost" ? "EnergyCost" : "ExchangeRate")),
                "");
        }
    }
}

TEST_F(Calculate, PaybackBoundsAreIncluded) {
    struct Row {
        const char *energyCost, *runHours, *payback;
    };
    pickOn("cmbCountry", "Kuwait"); // 2130 x 0.5 = 1065 KWD
    for (const Row& row : {Row{"1000", "100", "0"}, Row{"0.000001", "8760", "48228"}}) {
        SCOPED_TRACE(row.energyCost);
        enterOn("txtEnergyCost", row.energyCost);
        enterOn("txtAnnualRunHours", row.runHours);
        services.messages.clear();
        costIt();
        EXPECT_TRUE(services.messages.shown().empty());
        EXPECT_EQ(shown("txtPayBackCost"), row.payback);
        expectPrintable(true);
    }
}

// A coil the cost model cannot price stops the costing with its reason; nothing of the costing
// is left on the screen, not even the coil priced before it.
TEST_F(Calculate, CoilThatCannotBePricedStopsTheCosting) {
    // Circuits by number, 0 of them: the return bends cannot be counted.
    for (const CoilSide side : {CoilSide::Extract, CoilSide::Supply}) {
        const bool supply = side == CoilSide::Supply;
        SCOPED_TRACE(supply ? "supply" : "extract");
        reopenOn(side, MainCoil{.circuitType = "0"});
        costIt();
        ASSERT_EQ(services.messages.shown().size(), 1u);
        EXPECT_EQ(lastMessage().title, supply ? "Costing Not Possible - Supply Coil"
                                              : "Costing Not Possible - Extract Coil");
        EXPECT_TRUE(outputsCleared(costing));
        expectPrintable(false);
        EXPECT_EQ(shown("txtCasingDepthSupply"), "");
    }
}

} // namespace
} // namespace rac::costing::testing_support
