#include "main_screen_fixture.h"

#include <string>
#include <vector>

namespace rac::mainscreen::testing_support {
namespace {

using Titles = std::vector<std::string>;
using EntryChecks = MainScreen;

// The messages of "0" and "0." and the total of "0.5" are in the invalid_max_fluid_pd transcript.
TEST_F(EntryChecks, MaximumPressureDropIsCheckedAtEveryKeystroke) {
    ASSERT_TRUE(platform::user::set(main, "txtFluidMaxPDSupply", ""));
    EXPECT_EQ(text("txtTotalMaxPD"), "50"); // an empty maximum counts nothing
    ASSERT_TRUE(platform::user::type(main, "txtFluidMaxPDSupply", "0.5"));
    EXPECT_EQ(services.messages.shown().size(), 2U);
    EXPECT_EQ(main.focus(), &control("txtFluidMaxPDSupply"));
}

TEST_F(EntryChecks, NonNumericMaximumKeepsTheLastTotal) {
    ASSERT_TRUE(platform::user::set(main, "txtFluidMaxPDExtract", "40"));
    ASSERT_TRUE(platform::user::type(main, "txtFluidMaxPDExtract", "x"));
    EXPECT_EQ(titles(), (Titles{"Non-Numeric Value"}));
    EXPECT_EQ(lastMessage().text, "The maximum extract fluid pressure drop must be numeric.");
    EXPECT_EQ(text("txtTotalMaxPD"), "90");
    // The other maximum then counts the bad one as nothing.
    ASSERT_TRUE(platform::user::set(main, "txtFluidMaxPDSupply", "60.25"));
    EXPECT_EQ(text("txtTotalMaxPD"), "60.25");
}

TEST_F(EntryChecks, LeavingANonNumericTubesHighKeepsTheFocus) {
    ASSERT_TRUE(platform::user::set(main, "txtTubesHighExtract", "2x"));
    EXPECT_FALSE(platform::user::click(main, "cmdCalculate"));
    EXPECT_EQ(titles(), (Titles{"Number of Tubes High Non-Numeric"}));
    EXPECT_EQ(lastMessage().text, "The extract number of tubes high must be a numeric value.");
    EXPECT_EQ(main.focus(), &control("txtTubesHighExtract"));
    EXPECT_EQ(text("txtFinnedHeightExtract"), "994");
    EXPECT_EQ(text("txtDBExtractOff"), ""); // the click never reached Calculate
}

TEST_F(EntryChecks, LeavingANonNumericFinnedHeightKeepsTheFocus) {
    ASSERT_TRUE(platform::user::set(main, "txtFinnedHeightSupply", ""));
    EXPECT_FALSE(platform::user::focus(main, "txtFinnedLengthSupply"));
    EXPECT_EQ(titles(), (Titles{"Finned Height Non-Numeric"}));
    EXPECT_EQ(lastMessage().text, "The supply finned height must be a numeric value.");
    EXPECT_EQ(main.focus(), &control("txtFinnedHeightSupply"));
    EXPECT_EQ(text("txtTubesHighSupply"), "26");
}

TEST_F(EntryChecks, EnterInsertsNothingInTheEntryFields) {
    for (const std::string name :
         {"txtAirVolSupply", "txtAirVolExtract", "txtDBSupplyOn", "txtDBSupplyOff",
          "txtDBExtractOn", "txtGlycol", "txtFluidMaxPDSupply", "txtFluidMaxPDExtract",
          "txtTubesHighSupply", "txtFinnedHeightExtract", "txtFinnedLengthSupply",
          "txtNumberSectionsExtract", "txtNumberRowsSupply", "cmbCircuitTypeExtract",
          "cmbCircuitTypeSupply", "txtEffectiveness", "txtDuty"}) {
        EXPECT_EQ(main.raiseKeyPress(control(name), U'\r'), 7U) << name;
        EXPECT_EQ(main.raiseKeyPress(control(name), U'5'), U'5') << name;
    }
}

} // namespace
} // namespace rac::mainscreen::testing_support
