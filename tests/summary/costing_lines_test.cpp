// The costing part of the summary: what a current costing shows, and the "N/A" it shows
// otherwise.
#include "summary/currency_words.h"
#include "summary_fixture.h"

namespace rac::summary::testing_support {
namespace {

const std::string na = "N/A";

TEST_F(Summary, WithoutACurrentCostingEveryCostingValueIsNotAvailable) {
    const std::vector<SummaryLine> casing = {
        {"Casing Style:", na, ""}, {"Casing Mat:", na, ""}, {"Casing Depth:", na, ""}, {}};
    const std::vector<SummaryLine> subTotal = {{"Weight:         ", na, na},
                                               {"Internal Volume:", na, na},
                                               {"Ex-Works Price:", na, na},
                                               {}};
    std::vector<SummaryLine> expected;
    const auto append = [&](SummaryLine heading, const std::vector<SummaryLine>& lines) {
        expected.push_back(std::move(heading));
        expected.insert(expected.end(), lines.begin(), lines.end());
    };
    append({"SUPPLY CASING"}, casing);
    append({"EXTRACT CASING"}, casing);
    append({"SUPPLY BLOCK"}, {{"Braze Mat:", na, ""}, {}});
    append({"EXTRACT BLOCK"}, {{"Braze Mat:", na, ""}, {}});
    append({"SUPPLY COIL SUB-TOTAL"}, subTotal);
    append({"EXTRACT COIL SUB-TOTAL"}, subTotal);
    append({"PAYBACK CALCULATION"}, {{"Country:       ", na, ""},
                                     {"Exchange Rate:", na, na},
                                     {"Energy Costs:", na, na},
                                     {"Running Hrs:", na, ""},
                                     {"Payback:", na, ""},
                                     {"Bin Country:", na, ""},
                                     {"Energy Saving:", na, na},
                                     {"Energy Saving:", na, na},
                                     {"Payback Period:", na, na},
                                     {}});
    append({"RUN AROUND COIL TOTAL"}, {{"Total Weight:", na, na},
                                       {"Internal Volume:", na, na},
                                       {"Ex-Works Price:", na, na},
                                       {"Ex-Works Price:", na, na}});

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
    const struct {
        const char* name;
        const platform::Form* costingScreen;
        bool costingDone;
    } cases[] = {
        {"before the costing screen opened", nullptr, false},
        {"costing screen open, not calculated", &costing.form, false},
        {"flag set without a costing screen", nullptr, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(costingLines(buildSummaryTable({main, c.costingScreen, c.costingDone, noon})),
                  expected)
            << c.name;
    }
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
