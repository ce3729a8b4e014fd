// The results window. Its grid, colours, totals and payback, and what the costing screen takes
// over from it, are in the bin_payback_session transcript; here: what the caption keeps, printing,
// closing with the costing, and the paybacks that save nothing.
#include "bin_fixture.h"

namespace rac::payback::testing_support {
namespace {

class ResultsWindow : public BinScreens {
  protected:
    std::string season(int bin) const { return std::string(RowSeasons(results)[bin - 1]); }
    const std::string& box(std::string_view name) const { return results.at(name).text(); }
};

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
    EXPECT_EQ(results.title(), "Estimated Payback Based on Bin Data");
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
// the bin tables' single precision and so is a "Neither" bin with no saving (whose white row is
// in the bin_payback_session transcript).
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
    EXPECT_EQ(cell(results, "txtSavingKWh", 8), "0");
    EXPECT_EQ(cell(results, "txtSavingCash", 8), "0");
    EXPECT_EQ(season(9), "Cooling");
}

} // namespace
} // namespace rac::payback::testing_support
