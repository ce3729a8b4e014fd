// What the costing screen offers each coil, and how its options follow one another.
#include "costing_fixture.h"

#include <string>
#include <vector>

namespace rac::costing::testing_support {
namespace {

using coil::CoilSide;
using Strings = std::vector<std::string>;

// A small coil on a cool loop with a small connection: the Economy casing fits it.
MainCoil economyCoil() {
    return {.tubesHigh = "20",
            .finnedLength = "1500",
            .rows = "2",
            .fluid = "80",
            .connectionSize = "1 inch"};
}

TEST_F(CostingScreen, EconomyCasingOnlyForASmallCoolCoilWithASmallConnection) {
    struct Row {
        const char* name;
        MainCoil coil;
        bool offered;
    };
    const auto with = [](auto change) {
        MainCoil coil = economyCoil();
        change(coil);
        return coil;
    };
    const Row rows[] = {
        {"2 rows, 20 high, 1500 mm, 80 C, 1 inch", economyCoil(), true},
        {"23 tubes high", with([](MainCoil& c) { c.tubesHigh = "23"; }), true},
        {"2000 mm", with([](MainCoil& c) { c.finnedLength = "2000"; }), true},
        {"15mm", with([](MainCoil& c) { c.connectionSize = "15mm"; }), true},
        {"3 rows", with([](MainCoil& c) { c.rows = "3"; }), false},
        {"24 tubes high", with([](MainCoil& c) { c.tubesHigh = "24"; }), false},
        {"2001 mm", with([](MainCoil& c) { c.finnedLength = "2001"; }), false},
        {"fluid at 115 C", with([](MainCoil& c) { c.fluid = "115.0"; }), false},
        {"1¼ inch", with([](MainCoil& c) { c.connectionSize = "1¼ inch"; }), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reopenOn(CoilSide::Supply, row.coil);
        const auto& styles = field("cmbCasingStyleSupply").items();
        EXPECT_EQ(styles.size(), row.offered ? 8u : 7u);
        EXPECT_EQ(shown("cmbCasingStyleSupply"), row.offered ? "Economy" : "Standard");
        EXPECT_EQ(styles.back(), "Endplates");
    }
}

TEST_F(CostingScreen, VentAndDrainComeWithEveryCasingButEconomyOnLeavingTheStyle) {
    reopenOn(CoilSide::Supply, economyCoil());
    EXPECT_EQ(field("chkVentDrainSupply").value(), 0);
    pickStyle("cmbCasingStyleSupply", "Enclosed");
    EXPECT_EQ(field("chkVentDrainSupply").value(), 1);
    pickStyle("cmbCasingStyleSupply", "Economy");
    EXPECT_EQ(field("chkVentDrainSupply").value(), 0);
    EXPECT_TRUE(field("chkVentDrainSupply").enabled());
    EXPECT_TRUE(field("chkThickTubeSupply").enabled());
}

// Above 115 C the coil needs its thick-walled tube and takes no vent, drain, test points or
// eliminators, whatever casing it is then given.
TEST_F(CostingScreen, HotLoopLocksTheTubeWallAndTheFittings) {
    for (const auto& [fluid, hot] : {std::pair{"115.1", true}, std::pair{"115.0", false}}) {
        SCOPED_TRACE(fluid);
        reopenOn(CoilSide::Extract, MainCoil{.fluid = fluid});
        pickStyle("cmbCasingStyleExtract", "Coverbox");
        EXPECT_EQ(field("chkThickTubeExtract").value(), hot ? 1 : 0);
        EXPECT_EQ(field("chkThickTubeExtract").enabled(), !hot);
        EXPECT_EQ(field("chkVentDrainExtract").value(), hot ? 0 : 1);
        for (const char* fitting :
             {"chkVentDrainExtract", "chkTestPointsExtract", "chkEliminatorsExtract"}) {
            EXPECT_EQ(field(fitting).enabled(), !hot) << fitting;
        }
        EXPECT_EQ(shown("cmbBrazeMatExtract"), hot ? "Phos 5" : "Phos 0");
        // The supply coil's loop is cool.
        EXPECT_TRUE(field("chkThickTubeSupply").enabled());
    }
}

TEST_F(CostingScreen, CopperFinOptionsForCopperFinsBlygoldForFinnedCoils) {
    reopenOn(CoilSide::Supply, MainCoil{.finType = "Copper 0.15 louvre", .finDensity = "0"});
    EXPECT_TRUE(field("chkETAMSupply").enabled());
    EXPECT_TRUE(field("chkPreTinnedCopperFinsSupply").enabled());
    EXPECT_FALSE(field("chkBlygoldSupply").enabled());
    EXPECT_FALSE(field("chkETAMExtract").enabled());
    EXPECT_TRUE(field("chkBlygoldExtract").enabled());
}

TEST_F(CostingScreen, GamOnlyWithMildSteelCasings) {
    pickOn("cmbCasingMaterialSupply", "14g mild steel");
    ASSERT_TRUE(field("chkGAMSupply").enabled());
    clickOn("chkGAMSupply");
    pickOn("cmbCasingMaterialSupply", "16g galv");
    EXPECT_FALSE(field("chkGAMSupply").enabled());
    EXPECT_EQ(field("chkGAMSupply").value(), 0);
    for (const char* steel : {"3mm mild steel", "16g mild steel"}) {
        pickOn("cmbCasingMaterialSupply", steel);
        EXPECT_TRUE(field("chkGAMSupply").enabled()) << steel;
    }
}

// Carrying the casing material to the drain pan, and the message saying so, are in the
// costing_session transcript. Without a drain pan there is nothing to carry and nothing to say.
TEST_F(CostingScreen, CasingMaterialWithoutADrainpanCarriesNothing) {
    pickOn("cmbCasingMaterialSupply", "16g aluminium");
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(shown("cmbDrainpanMaterialSupply"), "N/A");
}

TEST_F(CostingScreen, DrainpanChoiceOffersMaterialsOrNone) {
    pickOn("cmbCasingMaterialSupply", "14g galv");
    pickOn("cmbDrainpanSupply", "Sloping");
    EXPECT_EQ(field("cmbDrainpanMaterialSupply").items().size(), 13u);
    EXPECT_EQ(shown("cmbDrainpanMaterialSupply"), "14g galv");
    pickOn("cmbDrainpanExtract", "None");
    EXPECT_EQ(field("cmbDrainpanMaterialExtract").items(), Strings{"N/A"});
    EXPECT_EQ(shown("cmbDrainpanMaterialExtract"), "N/A");
}

TEST_F(CostingScreen, DrainpanGoesUnderTheCoilThatCoolsItsAir) {
    struct Row {
        const char *supplyOn, *extractOn, *supply, *extract;
    };
    for (const Row& row :
         {Row{"0", "20", "None", "Standard Flat"}, Row{"30", "20", "Standard Flat", "None"},
          Row{"20", "20", "None", "None"}}) {
        SCOPED_TRACE(std::string(row.supplyOn) + " / " + row.extractOn);
        costing.Close();
        main.at("txtDBSupplyOn").setText(row.supplyOn);
        main.at("txtDBExtractOn").setText(row.extractOn);
        costing.Open();
        EXPECT_EQ(shown("cmbDrainpanSupply"), row.supply);
        EXPECT_EQ(shown("cmbDrainpanExtract"), row.extract);
        EXPECT_EQ(shown("cmbDrainpanMaterialExtract"),
                  std::string(row.extract) == "None" ? "N/A" : "16g galv");
    }
}

TEST_F(CostingScreen, FlangeKindShowsOnlyWithFlanges) {
    clickOn("chkConnectionFlangesSupply");
    EXPECT_TRUE(field("optScrewedSupply").visible());
    EXPECT_EQ(field("optWeldedSupply").value(), 1);
    EXPECT_FALSE(field("optScrewedExtract").visible());
    clickOn("chkConnectionFlangesSupply");
    EXPECT_FALSE(field("optScrewedSupply").visible());
}

TEST_F(CostingScreen, NonStandardDepthIsAnEntryTheStandardOneAResult) {
    costIt();
    pickOn("cmbCasingDepthSelectSupply", "Non-Standard");
    EXPECT_TRUE(outputsCleared(costing));
    EXPECT_TRUE(mainscreen::testing_support::isEntry(field("txtCasingDepthSupply")));
    ASSERT_TRUE(user::set(costing, "txtCasingDepthSupply", "300"));
    pickOn("cmbCasingDepthSelectSupply", "Standard");
    EXPECT_TRUE(mainscreen::testing_support::isResult(field("txtCasingDepthSupply")));
    EXPECT_EQ(shown("txtCasingDepthSupply"), "");
}

// Results stand only until an input changes: each of these, after a costing, clears them all.
TEST_F(CostingScreen, AnyChangeOfAnInputClearsTheResults) {
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"casing style", [&] { pickOn("cmbCasingStyleSupply", "Enclosed"); }},
        {"casing material", [&] { pickOn("cmbCasingMaterialSupply", "14g galv"); }},
        {"drain pan", [&] { pickOn("cmbDrainpanExtract", "Sloping"); }},
        {"drain pan material", [&] { pickOn("cmbDrainpanMaterialExtract", "16g copper"); }},
        {"an option", [&] { clickOn("chkNutsertsExtract"); }},
        {"braze", [&] { pickOn("cmbBrazeMatSupply", "35  Silver"); }},
        {"flanges", [&] { clickOn("chkConnectionFlangesExtract"); }},
        {"flange kind",
         [&] {
             clickOn("chkConnectionFlangesSupply");
             costIt();
             clickOn("optScrewedSupply");
         }},
        {"energy cost", [&] { ASSERT_TRUE(user::type(costing, "txtEnergyCost", "5")); }},
        {"running hours", [&] { ASSERT_TRUE(user::set(costing, "txtAnnualRunHours", "2000")); }},
        {"payback method", [&] { clickOn("optPaybackDesign"); }},
        // Last: the energy cost it empties would stop the next costing.
        {"country", [&] { pickOn("cmbCountry", "Denmark"); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        costIt();
        ASSERT_FALSE(outputsCleared(costing));
        change();
        EXPECT_TRUE(outputsCleared(costing));
    }
}

TEST_F(CostingScreen, OnlyATypedDepthClearsTheResultsNotTheDepthACostingWrites) {
    pickOn("cmbCasingDepthSelectSupply", "Non-Standard");
    enterOn("txtCasingDepthSupply", "300.4");
    costIt();
    // Written back as the depth in use, shown whole; the prices just worked out stay.
    EXPECT_EQ(shown("txtCasingDepthSupply"), "300");
    EXPECT_FALSE(outputsCleared(costing));
    ASSERT_TRUE(user::type(costing, "txtCasingDepthSupply", "5"));
    EXPECT_TRUE(outputsCleared(costing));
}

} // namespace
} // namespace rac::costing::testing_support
