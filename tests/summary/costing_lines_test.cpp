// The costing part of the summary: what a current costing shows, and the "N/A" it shows
// otherwise.
#include "summary/currency_words.h"
#include "summary_fixture.h"

namespace rac::summary::testing_support {
namespace {

// Every option but the vent/drain, which the costing screen's start already ticks.
constexpr std::string_view kOptions[] = {
    "chkEliminators",         "chkStiffeners",       "chkNutserts", "chkGAM",
    "chkThickTube",           "chkTestPoints",       "chkBlygold",  "chkETAM",
    "chkPreTinnedCopperFins", "chkConnectionFlanges"};

// The "N/A" of every costing value of a program whose costing screen never opened is in the
// selection_summary transcript; a costing screen without a current costing, or the flag without a
// screen, shows the same.
TEST_F(Summary, WithoutACurrentCostingEveryCostingValueIsNotAvailable) {
    // Every option ticked, and the bin method chosen: none of it counts without a costing.
    for (const coil::CoilSide side : mainscreen::kBothSides) {
        for (const std::string_view option : kOptions) {
            costing.tick(mainscreen::sided(option, side));
        }
        costing.choose(mainscreen::sided("cmbDrainpan", side), "Sloping");
    }
    costing.form.at("optBinPayback").setValue(1);

    calculate();
    const platform::ClockReading noon{"2024-03-05", "12:00"};
    const std::vector<SummaryLine> notCosted =
        costingLines(buildSummaryTable({main, nullptr, false, noon}));
    ASSERT_EQ(notCosted.at(1), (SummaryLine{"Casing Style:", "N/A", ""}));
    EXPECT_EQ(costingLines(buildSummaryTable({main, &costing.form, false, noon})), notCosted)
        << "costing screen open, not calculated";
    EXPECT_EQ(costingLines(buildSummaryTable({main, nullptr, true, noon})), notCosted)
        << "flag set without a costing screen";
}

TEST_F(Summary, OptionsShowWhenTickedAndOnlyTheHideableOnesWhenShown) {
    for (const std::string_view option : kOptions) {
        costing.tick(mainscreen::sided(option, coil::CoilSide::Supply));
        costing.tick(mainscreen::sided(option, coil::CoilSide::Extract));
        // On the extract side every option is ticked but hidden.
        costing.form.at(mainscreen::sided(option, coil::CoilSide::Extract)).setVisible(false);
    }
    costing.form.at("chkVentDrainExtract").setVisible(false);
    costing.form.at("optScrewedSupply").setValue(1);
    costing.form.at("optWeldedExtract").setValue(1);
    const LineTable summary = table();

    EXPECT_EQ(labels(block(summary, "SUPPLY CASING")),
              (std::vector<std::string>{"Casing Style:", "Casing Mat:", "Casing Depth:",
                                        "Eliminators", "Stiffeners", "Nutserts", "GAM"}));
    EXPECT_EQ(
        labels(block(summary, "EXTRACT CASING")),
        (std::vector<std::string>{"Casing Style:", "Casing Mat:", "Drainpan:", "Drainpan Mat:",
                                  "Casing Depth:", "Eliminators", "Stiffeners", "Nutserts"}));
    EXPECT_EQ(block(summary, "SUPPLY BLOCK"),
              (std::vector<SummaryLine>{{"Thick Tube Wall"},
                                        {"Vent/Drain"},
                                        {"Test Points"},
                                        {"Blygold"},
                                        {"ETAM"},
                                        {"Pre Tinned Fins"},
                                        {"Braze Mat:", "Phos 0"},
                                        {"Conn Flanges"},
                                        {"Flange Type:", "Screwed"}}));
    EXPECT_EQ(block(summary, "EXTRACT BLOCK"),
              (std::vector<SummaryLine>{
                  {"Braze Mat:", "Phos 0"}, {"Conn Flanges"}, {"Flange Type:", "Welded"}}));
}

TEST_F(Summary, FlangesWithoutAKindShowAnEmptyType) {
    costing.tick("chkConnectionFlangesSupply");
    EXPECT_EQ(block(table(), "SUPPLY BLOCK"),
              (std::vector<SummaryLine>{
                  {"Vent/Drain"}, {"Braze Mat:", "Phos 0"}, {"Conn Flanges"}, {"Flange Type:"}}));
}

// Payback by design conditions is in the checked whole summary, by bin data (the hidden hours
// keeping their text, the bin location, the saving and local price in the country's currency) in
// the rating_bin_summary transcript.
TEST_F(Summary, ACountryTheTableDoesNotKnowLeavesTheUnitsEmpty) {
    costing.choose("cmbCountry", "Atlantis");
    const LineTable summary = table();
    EXPECT_EQ(block(summary, "RUN AROUND COIL TOTAL").back(),
              (SummaryLine{"Ex-Works Price:", "5360", ""}));
    EXPECT_EQ(block(summary, "PAYBACK CALCULATION")[7],
              (SummaryLine{"Energy Saving:", "2700", ""}));
}

TEST(CurrencyWords, EveryCountryOfTheList) {
    // In the order of the costing screen's list, then texts that are no country of it.
    const std::pair<const char*, const char*> rows[] = {{"United Kingdom", "£"},
                                                        {"Bahrain", "BHD"},
                                                        {"Denmark", "DKK"},
                                                        {"European", "EUR"},
                                                        {"Hong Kong", "HKD"},
                                                        {"India", "INR"},
                                                        {"Korea", "WON"},
                                                        {"Kuwait", "KWD"},
                                                        {"Oman", "OMR"},
                                                        {"Pakistan", "PKR"},
                                                        {"Qatar", "QAR"},
                                                        {"Saudi Arabia", "SAR"},
                                                        {"U.A.E.", "DH"},
                                                        {"united kingdom", ""},
                                                        {"UAE", ""},
                                                        {"", ""}};
    for (const auto& [country, word] : rows) {
        EXPECT_EQ(currencyWord(country), word) << country;
    }
}

} // namespace
} // namespace rac::summary::testing_support
