// Opening the costing screen from the main screen, what it shows when it loads, closing it, and
// what it keeps in the settings store.
#include "costing_fixture.h"
#include "mainscreen/main_layout.h"

#include <string>
#include <vector>

namespace rac::costing::testing_support {
namespace {

using platform::FormState;

// Every list, option and box as the screen loads is in the bin_payback_session transcript,
// whose country is Qatar: here the United Kingdom's, whose local price is not shown.
TEST_F(CostingScreen, OpensInPlaceOfTheMainScreenOnTheUnitedKingdom) {
    EXPECT_EQ(main.state(), FormState::Hidden);
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(shown("cmbCountry"), "United Kingdom");
    EXPECT_FALSE(field("txtExchangeRate").visible());
    EXPECT_FALSE(field("txtTotalRACExWorksPriceForeign").visible());
}

TEST_F(CostingScreen, ToolbarButtonTwelveOpensItToo) {
    costing.Close();
    calculate();
    ASSERT_TRUE(user::pressToolbarButton(main, mainscreen::layout::kToolCosting));
    EXPECT_TRUE(costing.shown());
    EXPECT_FALSE(main.shown());
}

// Close, the menu's Close, toolbar button 4 and the close box all end the costing alike.
TEST_F(CostingScreen, ClosingGivesTheMainScreenBackWithoutCostingOrSummary) {
    const auto closers = {+[](platform::Form& f) { return user::click(f, "cmdclose"); },
                          +[](platform::Form& f) { return user::click(f, "mnuClose"); },
                          +[](platform::Form& f) { return user::pressToolbarButton(f, 4); },
                          +[](platform::Form& f) { return user::close(f); }};
    for (const auto close : closers) {
        if (!costing.loaded()) {
            calculate();
            ASSERT_TRUE(user::click(main, "cmdCosting"));
        }
        costIt();
        ASSERT_TRUE(app.state().CostingDone);
        ASSERT_TRUE(close(costing));
        EXPECT_FALSE(costing.loaded());
        EXPECT_TRUE(main.shown());
        EXPECT_FALSE(app.state().CostingDone);
        for (const char* command : {"cmdCosting", "cmdPrint"}) {
            EXPECT_FALSE(main.at(command).enabled()) << command;
        }
        for (const int button :
             {mainscreen::layout::kToolCosting, mainscreen::layout::kToolPrintSummary}) {
            EXPECT_FALSE(main.at("Toolbar1", button).enabled()) << button;
        }
    }
}

TEST_F(CostingScreen, ReopenedItHasForgottenTheLastCostingAndTheAccess) {
    grantAccess();
    pickOn("cmbCasingStyleSupply", "Coverbox");
    costIt();
    clickOn("cmdclose");
    calculate();
    ASSERT_TRUE(user::click(main, "cmdCosting"));
    EXPECT_EQ(shown("cmbCasingStyleSupply"), "Standard");
    EXPECT_TRUE(outputsCleared(costing));
    for (const char* revealed : {"cmdCostingBreakdown", "chkGrossMargin", "txtGrossMargin"}) {
        EXPECT_FALSE(field(revealed).visible()) << revealed;
    }
}

TEST_F(CostingScreen, ChangingTheCalculationModeDiscardsIt) {
    for (const bool rating : {true, false}) {
        if (!costing.loaded()) {
            costing.Open();
        }
        costIt();
        if (rating) {
            main.SetRatingMode();
        } else {
            main.SetSelectionMode();
        }
        EXPECT_FALSE(costing.loaded());
        EXPECT_TRUE(main.shown());
        EXPECT_FALSE(app.state().CostingDone);
        EXPECT_FALSE(main.at("cmdPrint").enabled());
    }
}

// What a costing keeps is in the rac-cli costing tests; closing keeps a rate edited after it.
TEST_F(CostingScreen, ClosingKeepsTheCountryAndItsRates) {
    pickOn("cmbCountry", "Kuwait");
    enterOn("txtEnergyCost", "0.01");
    costIt();
    enterOn("txtExchangeRate", "0.45");
    clickOn("cmdclose");
    EXPECT_EQ(services.settings.entries().at("PaybackCalc/ExchangeRate"), "0.45");

    calculate();
    ASSERT_TRUE(user::click(main, "cmdCosting"));
    EXPECT_EQ(shown("cmbCountry"), "Kuwait");
    EXPECT_EQ(shown("txtEnergyCost"), "0.01");
    EXPECT_EQ(shown("txtExchangeRate"), "0.45");
}

// What the store holds when the screen loads, and what the screen then shows.
TEST(CostingLoad, AppliesAKeptCountryOnlyWhenItCanApplyItAll) {
    struct Row {
        const char* name;
        std::vector<std::pair<const char*, const char*>> kept;
        const char *country, *energyCost, *exchangeRate;
    };
    const Row rows[] = {
        {"nothing kept", {}, "United Kingdom", "0.03", "1"},
        {"a country with its rates",
         {{"PaybackCalc/Country", "5"},
          {"PaybackCalc/EnergyCost", "4.5"},
          {"PaybackCalc/ExchangeRate", "80"}},
         "India",
         "4.5",
         "80"},
        {"a country alone keeps its own defaults",
         {{"PaybackCalc/Country", "8"}},
         "Oman",
         "",
         "0.53"},
        {"a country that is not a whole number applies nothing",
         {{"PaybackCalc/Country", "7.5"},
          {"PaybackCalc/EnergyCost", "9"},
          {"PaybackCalc/ExchangeRate", "9"}},
         "United Kingdom",
         "0.03",
         "1"},
        {"a position beyond the list applies nothing",
         {{"PaybackCalc/Country", "13"}, {"PaybackCalc/EnergyCost", "9"}},
         "United Kingdom",
         "0.03",
         "1"},
        {"the United Kingdom's hidden rate stays 1",
         {{"PaybackCalc/Country", "0"},
          {"PaybackCalc/EnergyCost", "0.05"},
          {"PaybackCalc/ExchangeRate", "3"}},
         "United Kingdom",
         "0.05",
         "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform::RecordingServices services;
        for (const auto& [key, text] : row.kept) {
            services.settings.seed(key, text);
        }
        program::Application app(services.services());
        app.start();
        auto& costing = app.form<FrmCosting>();
        costing.load();
        EXPECT_EQ(costing.at("cmbCountry").text(), row.country);
        EXPECT_EQ(costing.at("txtEnergyCost").text(), row.energyCost);
        EXPECT_EQ(costing.at("txtExchangeRate").text(), row.exchangeRate);
        EXPECT_TRUE(services.messages.shown().empty());
    }
}

TEST_F(CostingScreen, HelpOpensAtTheCostingTopicAndPrintWindowPrintsIt) {
    clickOn("mnuHelpContents");
    ASSERT_TRUE(user::pressToolbarButton(costing, 5));
    ASSERT_EQ(services.help.requests().size(), 2u);
    EXPECT_EQ(services.help.requests()[0], platform::helpAtContext("ZYLRAC.hlp", 2));
    EXPECT_EQ(services.help.requests()[1], services.help.requests()[0]);

    services.printer.setWindowPrintsFail(true);
    clickOn("mnuPrintWindow"); // a failed print ends without a word
    ASSERT_EQ(services.printer.printed().size(), 1u);
    EXPECT_EQ(services.printer.printed()[0].name, "frmCosting");
    EXPECT_TRUE(services.messages.shown().empty());
}

} // namespace
} // namespace rac::costing::testing_support
