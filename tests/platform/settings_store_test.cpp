#include "platform/platform_error.h"
#include "platform/settings_store.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

TEST(MemorySettings, MissingValueReadsAsTheCallersDefault) {
    MemorySettingsStore store;
    EXPECT_EQ(store.read("PaybackCalc", "EnergyCost"), "");
    EXPECT_EQ(store.read("PaybackCalc", "EnergyCost", "0.05"), "0.05");
    store.write("PaybackCalc", "EnergyCost", "");
    EXPECT_EQ(store.read("PaybackCalc", "EnergyCost", "0.05"), ""); // stored, though empty
}

TEST(MemorySettings, SeedKeysAreSectionSlashValue) {
    MemorySettingsStore store;
    store.seed("PaybackCalc/Country", "7");
    EXPECT_EQ(store.read("PaybackCalc", "Country"), "7");
    EXPECT_EQ(store.entries().at("PaybackCalc/Country"), "7");
    EXPECT_THROW(store.seed("PaybackCalcCountry", "7"), PlatformError);
    EXPECT_THROW(store.seed("PaybackCalc/Country/x", "7"), PlatformError);
    EXPECT_THROW(store.seed("/Country", "7"), PlatformError);
    EXPECT_THROW(store.write("Payback/Calc", "Country", "7"), PlatformError);
    EXPECT_EQ(store.entries().size(), 1u);
}

struct WholeNumberCase {
    const char* name;
    const char* stored; // nullptr: nothing stored
    int expected;
};

class WholeNumberReads : public ::testing::TestWithParam<WholeNumberCase> {};

TEST_P(WholeNumberReads, FallBackUnlessAWholeNumberInRange) {
    MemorySettingsStore store;
    if (GetParam().stored != nullptr) {
        store.write("PaybackCalc", "BinLocation", GetParam().stored);
    }
    EXPECT_EQ(readWholeNumber(store, "PaybackCalc", "BinLocation", -1, 0, 12), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    StoredTexts, WholeNumberReads,
    ::testing::Values(WholeNumberCase{"missing", nullptr, -1}, WholeNumberCase{"empty", "", -1},
                      WholeNumberCase{"lowest", "0", 0}, WholeNumberCase{"highest", "12", 12},
                      WholeNumberCase{"one_past_the_end", "13", -1},
                      WholeNumberCase{"negative", "-1", -1}, WholeNumberCase{"letters", "abc", -1},
                      WholeNumberCase{"fraction", "2.5", -1},
                      WholeNumberCase{"trailing_letters", "7x", -1},
                      WholeNumberCase{"blanks_around", " 7 ", 7},
                      WholeNumberCase{"huge", "1e300", -1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FlagReads, TrueFalseInAnyCaseOrANumber) {
    MemorySettingsStore store;
    const auto flag = [&](const char* text) {
        store.write("RememberAddInfoPassword", "RememberAddInfoPasswordValue", text);
        return readFlag(store, "RememberAddInfoPassword", "RememberAddInfoPasswordValue", false);
    };
    EXPECT_TRUE(flag("True"));
    EXPECT_TRUE(flag("TRUE"));
    EXPECT_FALSE(flag("false"));
    EXPECT_TRUE(flag("-1"));
    EXPECT_FALSE(flag("0"));
    EXPECT_FALSE(flag("yes"));
    EXPECT_TRUE(readFlag(store, "RememberAddInfoPassword", "Missing", true));
}

} // namespace
} // namespace rac::platform
