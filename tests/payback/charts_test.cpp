// The savings chart opened from the results window and the weather chart opened from the
// location window: their series, titles and labels, and what they keep while open.
#include "bin_fixture.h"
#include "payback/country_labels.h"

#include <tuple>

namespace rac::payback::testing_support {
namespace {

using platform::ChartData;

const std::vector<std::string> kBins{"Bin 1", "Bin 2", "Bin 3", "Bin 4", "Bin 5",
                                     "Bin 6", "Bin 7", "Bin 8", "Bin 9", "Bin 10"};

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

TEST_F(Charts, SavingsByBinAsTheResultsWindowShowsThem) {
    binPaybackIn("United Kingdom");
    ASSERT_TRUE(user::click(results, "cmdShowGraphics"));
    ASSERT_TRUE(savingsChart.shown());
    EXPECT_EQ(savingsChart.title(), " Graphical Representation of Savings by Bin");
    const ChartData& chart = savings();
    EXPECT_EQ(chart.title, "Energy and Cost Savings by Bin - United Kingdom - London");
    EXPECT_EQ(chart.categories, kBins);
    EXPECT_EQ(chart.axisTitles, (std::vector<std::string>{"Energy Saving", "Cost Saving"}));
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].name, "Energy Saving (kWh)");
    EXPECT_EQ(chart.series[1].name, "Cost Saving (£)");
    EXPECT_NE(chart.series[0].axis, chart.series[1].axis);
    // Bin 9 cools: its duty is negative, its bar is not.
    EXPECT_EQ(chart.series[0].values[0], 42.0);
    EXPECT_EQ(chart.series[0].values[8], 944.0);
    EXPECT_EQ(chart.series[1].values[8], 9.0);
    EXPECT_EQ(savingsChart.at("lblBinSummary", 1).caption(),
              "Bin1, DB -8.0°C, WB -8.7°C, RH 79.0%, Hours 1");
    EXPECT_EQ(savingsChart.at("lblBinSummary", 10).caption(),
              "Bin10, DB 28.0°C, WB 20.3°C, RH 49.6%, Hours 14");
}

// The bin summaries read the location window's grid, which may show another location than the
// one the payback used.
TEST_F(Charts, BinSummariesComeFromTheLocationWindow) {
    binPaybackIn("United Kingdom");
    clickOn("cmdBinData");
    ASSERT_TRUE(user::pick(locations, "cmbLocation", "Oman"));
    ASSERT_TRUE(user::click(results, "cmdShowGraphics"));
    EXPECT_EQ(savingsChart.at("lblBinSummary", 1).caption(),
              "Bin1, DB 12.0°C, WB 11.0°C, RH 89.0%, Hours 0");
    EXPECT_EQ(savings().series[0].values[0], 42.0);
}

TEST_F(Charts, WeatherOfTheLoadedLocation) {
    tickBinPayback();
    openWeatherChart();
    EXPECT_EQ(weatherChart.title(), " Graphical Representation of Bin Data");
    const ChartData& chart = weather();
    EXPECT_EQ(chart.title, "Bin Data - United Kingdom - London");
    EXPECT_EQ(chart.categories, kBins);
    EXPECT_EQ(chart.axisTitles, (std::vector<std::string>{"% / °C", "Hours"}));
    ASSERT_EQ(chart.series.size(), 4u);
    const std::tuple<const char*, double, int> expected[] = {
        {"DB", -8.0, 0}, {"WB", -8.7, 0}, {"RH", 79.0, 0}, {"Hours", 1.0, 1}};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& [name, first, axis] = expected[i];
        EXPECT_EQ(chart.series[i].name, name);
        EXPECT_DOUBLE_EQ(chart.series[i].values[0], first) << name;
        EXPECT_EQ(chart.series[i].axis, axis) << name;
    }
}

// An open chart keeps what it was built with; closed and opened again it shows the location now
// loaded.
TEST_F(Charts, AnOpenChartKeepsItsContentUntilOpenedAfresh) {
    tickBinPayback();
    openWeatherChart();
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
struct CountryWords {
    const char* country;
    const char* coilCost;
    const char* costSeries;
};

class CurrencyWords : public ::testing::TestWithParam<CountryWords> {};

TEST_P(CurrencyWords, CoilCostCaptionAndCostSeriesLabel) {
    EXPECT_EQ(CoilCostCaption(GetParam().country), GetParam().coilCost);
    EXPECT_EQ(CostSeriesLabel(GetParam().country), GetParam().costSeries);
}

INSTANTIATE_TEST_SUITE_P(
    Countries, CurrencyWords,
    ::testing::Values(CountryWords{"United Kingdom", "Coil Cost (£)", "Cost Saving (£)"},
                      CountryWords{"Kuwait", "Coil Cost (KD)", "Cost Saving (KWD)"},
                      CountryWords{"U.A.E.", "Coil Cost (Dir)", "Cost Saving (DH)"},
                      CountryWords{"Saudi Arabia", "Coil Cost (SR)", "Cost Saving (SAR)"},
                      CountryWords{"Qatar", "Coil Cost (QR)", "Cost Saving (QAR)"},
                      CountryWords{"Bahrain", "Coil Cost (BD)", "Cost Saving (BHD)"},
                      CountryWords{"Oman", "Coil Cost (OMR)", "Cost Saving (OMR)"},
                      CountryWords{"India", "Coil Cost (Rs)", "Cost Saving (INR)"},
                      CountryWords{"Pakistan", "Coil Cost (PKR)", "Cost Saving (PKR)"},
                      CountryWords{"Denmark", "Coil Cost", "Cost Saving (DKK)"},
                      CountryWords{"European", "Coil Cost", "Cost Saving (EUR)"},
                      CountryWords{"Korea", "Coil Cost", ""},
                      CountryWords{"Hong Kong", "Coil Cost", ""}),
    [](const ::testing::TestParamInfo<CountryWords>& words) {
        std::string name;
        for (const char c : std::string(words.param.country)) {
            if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
                name += c;
            }
        }
        return name;
    });

TEST_F(Charts, KoreasCostSeriesHasNoLabel) {
    binPaybackIn("Korea");
    ASSERT_TRUE(user::click(results, "cmdShowGraphics"));
    EXPECT_EQ(savings().series[1].name, "");
    EXPECT_EQ(savings().title, "Energy and Cost Savings by Bin - Korea - Soeul");
}

} // namespace
} // namespace rac::payback::testing_support
