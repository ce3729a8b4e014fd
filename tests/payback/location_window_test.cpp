// The payback frame's bin state and the location window: the country's own location, the
// location the user confirms, and what is kept in the settings.
#include "bin_fixture.h"

namespace rac::payback::testing_support {
namespace {

using platform::FormState;

class LocationWindow : public BinScreens {
  protected:
    std::string stored() const {
        return services.settings.read("PaybackCalc", "BinLocation", "(none)");
    }
};

// What the bin method shows and hides, with the location window made and hidden, is in the
// bin_payback_session transcript; here: the way back, and the country's location kept at once.
TEST_F(LocationWindow, TickingTheBinMethodSwapsTheRunningHoursForTheLocation) {
    ASSERT_FALSE(field("cmdBinData").visible());
    tickBinPayback();
    EXPECT_TRUE(field("cmdBinData").visible());
    EXPECT_EQ(shown("txtSelectedBinCountry"), "United Kingdom - London");
    EXPECT_EQ(stored(), "0");
    EXPECT_EQ(cell(locations, "txtBinDB", 1), "-8.0");

    clickOn("optPaybackDesign");
    EXPECT_FALSE(field("cmdBinData").visible());
    EXPECT_FALSE(field("txtSelectedBinCountry").visible());
    EXPECT_TRUE(field("txtAnnualRunHours").visible());
}

// The country's location is shown but kept only when the user next confirms one (as the
// bin_payback_session transcript does).
TEST_F(LocationWindow, ACountryChangeShowsItsLocationWithoutKeepingIt) {
    tickBinPayback();
    pickOn("cmbCountry", "Korea");
    EXPECT_EQ(shown("txtSelectedBinCountry"), "Korea - Soeul");
    EXPECT_EQ(stored(), "0");
}

TEST_F(LocationWindow, SelectBinDataShowsTheWindowAndClearsTheResults) {
    tickBinPayback();
    costIt();
    ASSERT_FALSE(shown("txtPayBackCost").empty());
    clickOn("cmdBinData");
    EXPECT_TRUE(locations.shown());
    EXPECT_TRUE(costing::testing_support::outputsCleared(costing));
}

// How the grid shows a location's bins is in the bin_payback_session transcript.
TEST_F(LocationWindow, PickingALocationLoadsItsBinsIntoTheGrid) {
    tickBinPayback();
    clickOn("cmdBinData");
    ASSERT_TRUE(user::pick(locations, "cmbLocation", "Oman"));
    EXPECT_EQ(cell(locations, "txtBinWB", 3), "16.4");
    // Not yet confirmed: the costing screen still names the location it had.
    EXPECT_EQ(shown("txtSelectedBinCountry"), "United Kingdom - London");
}

// Its close box only hides it: the list keeps the location whose bins are loaded.
TEST_F(LocationWindow, ClosingItKeepsTheLoadedLocation) {
    tickBinPayback();
    clickOn("cmdBinData");
    ASSERT_TRUE(user::pick(locations, "cmbLocation", "Dubai"));
    EXPECT_TRUE(user::close(locations));
    EXPECT_EQ(locations.state(), FormState::Hidden);
    clickOn("cmdBinData");
    EXPECT_EQ(locations.at("cmbLocation").text(), "Dubai");
}

TEST_F(LocationWindow, AFailedPrintSaysSoAndLeavesTheWindow) {
    tickBinPayback();
    clickOn("cmdBinData");
    services.printer.setWindowPrintsFail(true);
    ASSERT_TRUE(user::click(locations, "cmdPrint"));
    ASSERT_EQ(services.messages.shown().size(), 1u);
    EXPECT_EQ(services.messages.shown().back(), okOnly("ZYL RAC", "The form can't be printed."));
    EXPECT_TRUE(locations.shown());
}

// A kept location past the list is passed over without a word; London stays loaded until the
// country's location replaces it. Texts that are no whole number are the settings' own tests.
class StoredPastTheList : public LocationWindow {
  protected:
    void SetUp() override {
        ASSERT_FALSE(locations.loaded()) << "the setting is read when the window is made";
        services.settings.write("PaybackCalc", "BinLocation", "13");
        LocationWindow::SetUp();
    }
};

TEST_F(StoredPastTheList, IsIgnored) {
    tickBinPayback();
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(locations.at("cmbLocation").listIndex(), 0);
    EXPECT_EQ(stored(), "0");
}

} // namespace
} // namespace rac::payback::testing_support
