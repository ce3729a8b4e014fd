// The costing's Calculate: its checks, the coil prices, weights and volumes, the run-around totals,
// the eliminators' pressure drop, the breakdown and the design payback.
#include "costing_fixture.h"

#include <map>
#include <string>

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

// The pair's prices, weights and volumes are in the bin_payback_session transcript; here the
// United Kingdom's design payback, whose local price is the sterling one.
TEST_F(Calculate, PricesTheStartUpPairAndItsPaybackAtDesignConditions) {
    costIt();
    EXPECT_TRUE(services.messages.shown().empty());
    expectShown({{"txtTotalRACExWorksPriceForeign", "2130"},
                 // 30.25 kW over 3000 h at 0.03 a kWh pays 2130 back in 9.4 months.
                 {"txtAnnualEnergySaving", "90750"},
                 {"txtAnnualEnergyCostSaving", "2723"},
                 {"txtPayBackCost", "9"}});
    expectPrintable(true);
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

TEST_F(Calculate, EliminatorsOnOneCoilRaiseOnlyItsAirPressureDrop) {
    clickOn("chkEliminatorsExtract");
    costIt();
    ASSERT_EQ(services.messages.shown().size(), 1u);
    EXPECT_EQ(lastMessage().title, "Extract Eliminator Pressure Drop Added");
    EXPECT_EQ(lastMessage().text, "The extract air pressure drop has been increased from "
                                  "217.9323 Pa to 249.5607 Pa to include eliminators.");
    EXPECT_EQ(main.at("txtAirPDExtract").text(), "249.6");
    EXPECT_EQ(main.at("txtAirPDSupply").text(), "213.5");

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
    // Its lines are in the password_session transcript.
    EXPECT_EQ(breakdown.at("txtFixMaterialSupply").text(), "1.00");
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
        // The settings are saved all the same, the emptied box with them; the hours are not kept.
        const std::string emptied = row.emptied;
        if (emptied != "txtAnnualRunHours") {
            EXPECT_EQ(services.settings.entries().at("PaybackCalc/" + emptied.substr(3)), "");
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
