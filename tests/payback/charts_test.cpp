// The savings chart opened from the results window and the weather chart opened from the
// location window. Their series, axes and bin labels are in the bin_payback_session transcript;
// here: the window titles, where the labels are read from, and what an open chart keeps.
#include "bin_fixture.h"
#include "payback/country_labels.h"

#include <tuple>

namespace rac::payback::testing_support {
namespace {

using platform::ChartData;

class Charts : public BinScreens {
  protected:
    const ChartData& savings() const { return savingsChart.at("chartBinResults").chart(); }
    const ChartData& weather() const { return weatherChart.at("chartBinData").chart(); }
    void openWeatherChart() {
        clickOn("cmdBinData");
        ASSERT_TRUE(user::click(locations, "cmdSowGaphically"));
        ASSERT_TRUE(weatherChart.shown());
    }
};

// The bin summaries read the location window's grid, which may show another location than the
// one the payback used.
TEST_F(Charts, BinSummariesComeFromTheLocationWindow) {
    binPaybackIn("United Kingdom");
    clickOn("cmdBinData");
    ASSERT_TRUE(user::pick(locations, "cmbLocation", "Oman"));
    ASSERT_TRUE(user::click(results, "cmdShowGraphics"));
    EXPECT_EQ(savingsChart.title(), " Graphical Representation of Savings by Bin");
    EXPECT_EQ(savingsChart.at("lblBinSummary", 1).caption(),
              "Bin1, DB 12.0°C, WB 11.0°C, RH 89.0%, Hours 0");
    EXPECT_EQ(savings().series[0].values[0], 42.0);
}

// An open chart keeps what it was built with; closed and opened again it shows the location now
// loaded.
TEST_F(Charts, AnOpenChartKeepsItsContentUntilOpenedAfresh) {
    tickBinPayback();
    openWeatherChart();
    EXPECT_EQ(weatherChart.title(), " Graphical Representation of Bin Data");
    ASSERT_TRUE(user::pick(locations, "cmbLocation", "Dubai"));
    EXPECT_EQ(weather().title, "Bin Data - United Kingdom - London");
    ASSERT_TRUE(user::click(weatherChart, "cmdClose"));
    EXPECT_FALSE(weatherChart.loaded());
    ASSERT_TRUE(user::click(locations, "cmdSowGaphically"));
    EXPECT_EQ(weather().title, "Bin Data - Dubai");
    EXPECT_EQ(weather().series[0].values[0], 11.4);
}

TEST_F(Charts, EveryCloseCommandDiscardsTheChart) {
    tickBinPayback();
    for (const char* close : {"cmdClose", "Command1", "mnuClose"}) {
        openWeatherChart();
        ASSERT_TRUE(user::click(weatherChart, close)) << close;
        EXPECT_FALSE(weatherChart.loaded()) << close;
    }
}

TEST_F(Charts, AFailedPrintSaysTheFormCannotBePrinted) {
    binPaybackIn("United Kingdom");
    ASSERT_TRUE(user::click(results, "cmdShowGraphics"));
    services.messages.clear();
    services.printer.setWindowPrintsFail(true);
    for (const char* print : {"Command2", "mnuPrintWindow"}) {
        ASSERT_TRUE(user::click(savingsChart, print)) << print;
        EXPECT_EQ(services.messages.shown().back(),
                  okOnly("ZYL RAC", "The form can't be printed."));
    }
    EXPECT_EQ(services.messages.shown().size(), 2u);
    EXPECT_TRUE(savingsChart.shown());
}

// The currency words of the bin windows, which differ from the costing screen's.
TEST(CurrencyWords, CoilCostCaptionAndCostSeriesLabel) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"United Kingdom", "Coil Cost (£)", "Cost Saving (£)"},
        {"Kuwait", "Coil Cost (KD)", "Cost Saving (KWD)"},
        {"U.A.E.", "Coil Cost (Dir)", "Cost Saving (DH)"},
        {"Saudi Arabia", "Coil Cost (SR)", "Cost Saving (SAR)"},
        {"Qatar", "Coil Cost (QR)", "Cost Saving (QAR)"},
        {"Bahrain", "Coil Cost (BD)", "Cost Saving (BHD)"},
        {"Oman", "Coil Cost (OMR)", "Cost Saving (OMR)"},
        {"India", "Coil Cost (Rs)", "Cost Saving (INR)"},
        {"Pakistan", "Coil Cost (PKR)", "Cost Saving (PKR)"},
        {"Denmark", "Coil Cost", "Cost Saving (DKK)"},
        {"European", "Coil Cost", "Cost Saving (EUR)"},
        {"Korea", "Coil Cost", ""},
        {"Hong Kong", "Coil Cost", ""},
    };
    for (const auto& [country, coilCost, costSeries] : rows) {
        EXPECT_EQ(CoilCostCaption(country), coilCost) << country;
        EXPECT_EQ(CostSeriesLabel(country), costSeries) << country;
    }
}

} // namespace
} // namespace rac::payback::testing_support
