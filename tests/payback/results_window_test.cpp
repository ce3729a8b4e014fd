// The bin payback on the screens: the results window's grid, colours, totals and payback, and
// what the costing screen takes over from it.
#include "bin_fixture.h"

namespace rac::payback::testing_support {
namespace {

constexpr platform::Colour kLightRed{255, 192, 192};
constexpr platform::Colour kLightBlue{192, 192, 255};

class ResultsWindow : public BinScreens {
  protected:
    // The six cells of a bin's row all bear the colour.
    ::testing::AssertionResult rowColoured(int bin, platform::Colour colour) const {
        for (const std::string_view array :
             {"txtBinDB", "txtBinWB", "txtBinRH", "txtBinHours", "txtSavingKWh", "txtSavingCash"}) {
            if (results.at(array, bin).backColour() != colour) {
                return ::testing::AssertionFailure() << array << "(" << bin << ")";
            }
        }
        return ::testing::AssertionSuccess();
    }
    std::string season(int bin) const { return std::string(RowSeasons(results)[bin - 1]); }
    const std::string& box(std::string_view name) const { return results.at(name).text(); }
};

// London at 0.03 a kWh. Each bin's duty is (20 - DB) / 20 of 30250 W: bin 1 at -8 C saves
// 42350 W for 1 h, bin 9 at 24 C works against the design, -6050 W for 156 h.
TEST_F(ResultsWindow, LondonBinByBin) {
    binPaybackIn("United Kingdom");
    EXPECT_EQ(results.title(), "Estimated Payback Based on Bin Data");
    EXPECT_EQ(cell(results, "txtBinDB", 1), "-8.0");
    EXPECT_EQ(cell(results, "txtBinWB", 1), "-8.7");
    EXPECT_EQ(cell(results, "txtBinRH", 1), "79.0");
    EXPECT_EQ(cell(results, "txtBinHours", 1), "1");
    EXPECT_EQ(cell(results, "txtSavingKWh", 1), "42");
    EXPECT_EQ(cell(results, "txtSavingCash", 1), "1");
    EXPECT_EQ(cell(results, "txtSavingKWh", 4), "31315");
    EXPECT_EQ(cell(results, "txtSavingCash", 4), "939");
    EXPECT_TRUE(rowColoured(1, kLightRed));
    EXPECT_EQ(season(1), "Heating");

    // Cooling bins: the kWh shown as savings, the cash at a third (943.8 x 0.03 / 3).
    EXPECT_EQ(cell(results, "txtSavingKWh", 9), "944");
    EXPECT_EQ(cell(results, "txtSavingCash", 9), "9");
    EXPECT_EQ(cell(results, "txtSavingKWh", 10), "169");
    EXPECT_EQ(cell(results, "txtSavingCash", 10), "2");
    EXPECT_TRUE(rowColoured(9, kLightBlue));
    EXPECT_EQ(season(10), "Cooling");

    // Bin 8 at 20 C is the extract air itself: nothing to save, and white.
    EXPECT_EQ(cell(results, "txtSavingKWh", 8), "0");
    EXPECT_EQ(cell(results, "txtSavingCash", 8), "0");
    EXPECT_TRUE(rowColoured(8, platform::white));
    EXPECT_EQ(season(8), "Neither");

    // The cooling kWh count in full: 123940.3 kWh worth 3695.9; 2130 paid back in 6.9 months.
    EXPECT_EQ(box("txtSavingKWhTotal"), "123940");
    EXPECT_EQ(box("txtSavingCashTotal"), "3696");
    EXPECT_EQ(box("txtCoilCost"), "2130");
    EXPECT_EQ(box("txtPayback"), "7");
    EXPECT_EQ(shown("txtPayBackCost"), "7");
    EXPECT_EQ(shown("txtAnnualEnergySaving"), "123940");
    EXPECT_EQ(shown("txtAnnualEnergyCostSaving"), "3696");
    EXPECT_EQ(results.at("lblCoilCost").caption(), "Coil Cost (£)");
}

TEST_F(ResultsWindow, OmansFirstBinHasNoHoursAndSavesNothing) {
    binPaybackIn("Oman");
    EXPECT_EQ(cell(results, "txtBinHours", 1), "0");
    EXPECT_EQ(cell(results, "txtSavingKWh", 1), "0");
    EXPECT_EQ(cell(results, "txtSavingCash", 1), "0");
    EXPECT_EQ(results.at("lblCoilCost").caption(), "Coil Cost (OMR)");
}

TEST_F(ResultsWindow, AberdeensYearHas5940Hours) {
    tickBinPayback();
    useLocation("United Kingdom - Aberdeen");
    costIt();
    ASSERT_TRUE(results.shown());
    int hours = 0;
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        hours += std::stoi(cell(results, "txtBinHours", bin));
    }
    EXPECT_EQ(hours, 5940);
    EXPECT_EQ(cell(results, "txtBinDB", 1), "-10.8");
}

// Countries without a word for the coil cost leave the caption plain.
TEST_F(ResultsWindow, KoreaAndHongKongShowThePlainCoilCost) {
    for (const char* country : {"Korea", "Hong Kong"}) {
        binPaybackIn(country);
        EXPECT_EQ(results.at("lblCoilCost").caption(), "Coil Cost") << country;
        ASSERT_TRUE(user::click(results, "cmdOK"));
    }
}

// The caption is the country's when the window is made; an open window keeps it through later
// paybacks, and the next one made takes the new country's.
TEST_F(ResultsWindow, CoilCostCaptionIsFixedWhenTheWindowIsMade) {
    binPaybackIn("Kuwait");
    EXPECT_EQ(results.at("lblCoilCost").caption(), "Coil Cost (KD)");
    binPaybackIn("India");
    EXPECT_EQ(results.at("lblCoilCost").caption(), "Coil Cost (KD)");
    EXPECT_EQ(box("txtCoilCost"), shown("txtTotalRACExWorksPriceForeign"));
    ASSERT_TRUE(user::click(results, "cmdOK"));
    EXPECT_FALSE(results.loaded());
    costIt();
    EXPECT_EQ(results.at("lblCoilCost").caption(), "Coil Cost (Rs)");
}

TEST_F(ResultsWindow, AFailedPrintSaysTheWindowCannotBePrinted) {
    binPaybackIn("United Kingdom");
    services.messages.clear();
    services.printer.setWindowPrintsFail(true);
    ASSERT_TRUE(user::click(results, "Command1"));
    ASSERT_EQ(services.messages.shown().size(), 1u);
    EXPECT_EQ(services.messages.shown().back(), okOnly("ZYL RAC", "The window can't be printed."));
    EXPECT_TRUE(results.shown());
}

// The bin windows belong to the costing: closing it discards the results and the charts, and
// puts the location window out of sight with its location still loaded.
TEST_F(ResultsWindow, ClosingTheCostingTakesTheBinWindowsWithIt) {
    binPaybackIn("United Kingdom");
    ASSERT_TRUE(user::click(results, "cmdShowGraphics"));
    clickOn("cmdBinData");
    ASSERT_TRUE(user::click(locations, "cmdSowGaphically"));
    clickOn("cmdclose");
    EXPECT_FALSE(results.loaded());
    EXPECT_FALSE(savingsChart.loaded());
    EXPECT_FALSE(weatherChart.loaded());
    EXPECT_EQ(locations.state(), platform::FormState::Hidden);
    EXPECT_EQ(locations.LocationName(), "United Kingdom - London");
}

// A payback with nothing saved (every bin "Neither", no duty, or a design whose supply and
// extract air on are the same) shows its zeros and no payback, rather than dividing by zero.
TEST_F(ResultsWindow, NothingSavedShowsNoPayback) {
    tickBinPayback();
    const paybackmodel::BinPayback nothingSaved;
    results.ShowBinPayback(locations.Bins(), nothingSaved, "2130");
    EXPECT_EQ(cell(results, "txtSavingKWh", 1), "0");
    EXPECT_EQ(cell(results, "txtSavingCash", 10), "0");
    EXPECT_EQ(box("txtSavingCashTotal"), "0");
    EXPECT_EQ(box("txtPayback"), "N/A");
    EXPECT_EQ(results.PaybackText(), "N/A");
    EXPECT_EQ(cell(results, "txtBinDB", 1), "-8.0");
}

// Extract air on at 21.6 C, calculated and shown: Frankfurt's bin 8 of 21.6 C is compared in
// the bin tables' single precision and so is a white "Neither" bin with no saving.
class ExtractAtAFrankfurtBin : public ResultsWindow {
  protected:
    void SetUp() override {
        enter("txtDBExtractOn", "21.6");
        ResultsWindow::SetUp();
    }
};

TEST_F(ExtractAtAFrankfurtBin, IsANeitherRow) {
    binPaybackIn("European");
    EXPECT_EQ(shown("txtSelectedBinCountry"), "Germany - Frankfurt");
    EXPECT_EQ(cell(results, "txtBinDB", 8), "21.6");
    EXPECT_EQ(season(8), "Neither");
    EXPECT_TRUE(rowColoured(8, platform::white));
    EXPECT_EQ(cell(results, "txtSavingKWh", 8), "0");
    EXPECT_EQ(cell(results, "txtSavingCash", 8), "0");
    EXPECT_EQ(season(9), "Cooling");
}

} // namespace
} // namespace rac::payback::testing_support
