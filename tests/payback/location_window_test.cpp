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

TEST_F(LocationWindow, TickingTheBinMethodSwapsTheRunningHoursForTheLocation) {
    ASSERT_FALSE(field("cmdBinData").visible());
    tickBinPayback();
    EXPECT_TRUE(field("cmdBinData").visible());
    EXPECT_TRUE(field("txtSelectedBinCountry").visible());
    EXPECT_FALSE(field("lblannual").visible());
    EXPECT_FALSE(field("txtAnnualRunHours").visible());
    // Made, its choice taken at once, and out of sight again.
    EXPECT_EQ(locations.state(), FormState::Hidden);
    EXPECT_EQ(shown("txtSelectedBinCountry"), "United Kingdom - London");
    EXPECT_EQ(stored(), "0");
    EXPECT_EQ(cell(locations, "txtBinDB", 1), "-8.0");
    EXPECT_TRUE(services.messages.shown().empty());

    clickOn("optPaybackDesign");
    EXPECT_FALSE(field("cmdBinData").visible());
    EXPECT_FALSE(field("txtSelectedBinCountry").visible());
    EXPECT_TRUE(field("txtAnnualRunHours").visible());
}

TEST_F(LocationWindow, QatarPaysBackOverTheBahrainBins) {
    pickOn("cmbCountry", "Qatar");
    tickBinPayback();
    EXPECT_EQ(shown("txtSelectedBinCountry"), "Bahrain");
    EXPECT_EQ(locations.at("cmbLocation").text(), "Bahrain");
    EXPECT_EQ(cell(locations, "txtBinDB", 1), "11.0");
    EXPECT_EQ(cell(locations, "txtBinHours", 2), "145");
}

// The country's location is shown but kept only when the user next confirms one.
TEST_F(LocationWindow, ACountryChangeShowsItsLocationWithoutKeepingIt) {
    tickBinPayback();
    pickOn("cmbCountry", "Korea");
    EXPECT_EQ(shown("txtSelectedBinCountry"), "Korea - Soeul");
    EXPECT_EQ(stored(), "0");
    useLocation("Oman");
    EXPECT_EQ(shown("txtSelectedBinCountry"), "Oman");
    EXPECT_EQ(stored(), "10");
    EXPECT_EQ(locations.state(), FormState::Hidden);
}

TEST_F(LocationWindow, SelectBinDataShowsTheWindowAndClearsTheResults) {
    tickBinPayback();
    costIt();
    ASSERT_FALSE(shown("txtPayBackCost").empty());
    clickOn("cmdBinData");
    EXPECT_TRUE(locations.shown());
    EXPECT_TRUE(costing::testing_support::outputsCleared(costing));
}

TEST_F(LocationWindow, PickingALocationLoadsItsBinsIntoTheGrid) {
    tickBinPayback();
    clickOn("cmdBinData");
    ASSERT_TRUE(user::pick(locations, "cmbLocation", "Oman"));
    EXPECT_EQ(cell(locations, "txtBinDB", 1), "12.0");
    EXPECT_EQ(cell(locations, "txtBinWB", 3), "16.4");
    EXPECT_EQ(cell(locations, "txtBinRH", 2), "66.1");
    EXPECT_EQ(cell(locations, "txtBinHours", 1), "0");
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
    EXPECT_EQ(lastMessageText(), "The form can't be printed.");
    EXPECT_EQ(services.messages.shown().back(), okOnly("ZYL RAC", "The form can't be printed."));
    EXPECT_TRUE(locations.shown());
}

// A kept location that cannot be applied is passed over without a word; London stays loaded
// until the country's location replaces it.
struct Stored {
    const char* name;
    const char* text;
};

class StoredLocation : public LocationWindow, public ::testing::WithParamInterface<Stored> {
  protected:
    void SetUp() override {
        services.settings.write("PaybackCalc", "BinLocation", GetParam().text);
        LocationWindow::SetUp();
    }
};

TEST_P(StoredLocation, IsIgnoredWhenItCannotBeApplied) {
    tickBinPayback();
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(locations.at("cmbLocation").listIndex(), 0);
    EXPECT_EQ(stored(), "0");
}

INSTANTIATE_TEST_SUITE_P(Values, StoredLocation,
                         ::testing::Values(Stored{"PastTheList", "13"}, Stored{"Letters", "abc"},
                                           Stored{"Negative", "-1"}, Stored{"Fraction", "1.5"},
                                           Stored{"Empty", ""}),
                         [](const ::testing::TestParamInfo<Stored>& stored) {
                             return std::string(stored.param.name);
                         });

} // namespace
} // namespace rac::payback::testing_support
