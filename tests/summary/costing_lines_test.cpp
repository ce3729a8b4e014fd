// The costing part of the summary: what a current costing shows, and the "N/A" it shows
// otherwise.
#include "summary/currency_words.h"
#include "summary_fixture.h"

namespace rac::summary::testing_support {
namespace {

// The "N/A" of every costing value of a program whose costing screen never opened is in the
// selection_summary transcript; a costing screen without a current costing, or the flag without a
// screen, shows the same.
TEST_F(Summary, WithoutACurrentCostingEveryCostingValueIsNotAvailable) {
    // Every option ticked, and the bin method chosen: none of it counts without a costing.
    for (const coil::CoilSide side : mainscreen::kBothSides) {
        for (const std::string_view option :
             {"chkEliminators", "chkStiffeners", "chkNutserts", "chkGAM", "chkThickTube",
              "chkTestPoints", "chkBlygold", "chkETAM", "chkPreTinnedCopperFins",
              "chkConnectionFlanges"}) {
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
    for (const std::string_view option :
         {"chkEliminators", "chkStiffeners", "chkNutserts", "chkGAM", "chkThickTube",
          "chkTestPoints", "chkBlygold", "chkETAM", "chkPreTinnedCopperFins",
          "chkConnectionFlanges"}) {
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

// Payback by design conditions is in the checked whole summary.
TEST_F(Summary, PaybackByBinData) {
    // The bin method hides the hours, which keep their last text; the location shows.
    costing.choose("cmbCountry", "Qatar");
    costing.set("txtExchangeRate", "5.3");
    costing.set("txtSelectedBinCountry", "Bahrain");
    costing.form.at("txtSelectedBinCountry").setVisible(true);
    costing.form.at("txtAnnualRunHours").setVisible(false);
    costing.form.at("optBinPayback").setValue(1);
    costing.set("txtAnnualEnergySaving", "61234");
    costing.set("txtAnnualEnergyCostSaving", "9742");
    costing.set("txtPayBackCost", "35");
    EXPECT_EQ(block(table(), "PAYBACK CALCULATION"),
              (std::vector<SummaryLine>{{"Country:       ", "Qatar"},
                                        {"Exchange Rate:", "5.3", "#/£"},
                                        {"Energy Costs:", "0.03", "#/kWh"},
                                        {"Running Hrs:", "3000"},
                                        {"Payback:", "Using Bin Data"},
                                        {"Bin Country:", "Bahrain"},
                                        {"Energy Saving:", "61234", "kWh"},
                                        {"Energy Saving:", "9742", "QAR"},
                                        {"Payback Period:", "35", "Months"}}));
}

TEST_F(Summary, LocalPriceInTheCountrysCurrency) {
    costing.choose("cmbCountry", "Oman");
    costing.set("txtTotalRACExWorksPriceForeign", "2841");
    EXPECT_EQ(block(table(), "RUN AROUND COIL TOTAL"),
              (std::vector<SummaryLine>{{"Total Weight:", "630", "Kg"},
                                        {"Internal Volume:", "83.2", "litres"},
                                        {"Ex-Works Price:", "5360", "£"},
                                        {"Ex-Works Price:", "2841", "OMR"}}));
    // A country the table does not know leaves the unit empty.
    costing.choose("cmbCountry", "Atlantis");
    const LineTable summary = table();
    EXPECT_EQ(block(summary, "RUN AROUND COIL TOTAL").back(),
              (SummaryLine{"Ex-Works Price:", "2841", ""}));
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
