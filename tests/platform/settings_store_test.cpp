#include "platform/platform_error.h"
#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <utility>

namespace rac::platform {
namespace {

TEST(MemorySettings, MissingValueReadsAsTheCallersDefaultAndSeedKeysAreSectionSlashValue) {
    MemorySettingsStore store;
    EXPECT_EQ(store.read("PaybackCalc", "EnergyCost"), "");
    EXPECT_EQ(store.read("PaybackCalc", "EnergyCost", "0.05"), "0.05");
    store.write("PaybackCalc", "EnergyCost", "");
    EXPECT_EQ(store.read("PaybackCalc", "EnergyCost", "0.05"), ""); // stored, though empty
    store.seed("PaybackCalc/Country", "7");
    EXPECT_EQ(store.read("PaybackCalc", "Country"), "7");
    EXPECT_EQ(store.entries().at("PaybackCalc/Country"), "7");
    EXPECT_THROW(store.seed("PaybackCalcCountry", "7"), PlatformError);
    EXPECT_THROW(store.seed("PaybackCalc/Country/x", "7"), PlatformError);
    EXPECT_THROW(store.seed("/Country", "7"), PlatformError);
    EXPECT_THROW(store.write("Payback/Calc", "Country", "7"), PlatformError);
    EXPECT_EQ(store.entries().size(), 2u);
}

TEST(WholeNumberReads, FallBackUnlessAWholeNumberInRange) {
    MemorySettingsStore store;
    EXPECT_EQ(readWholeNumber(store, "PaybackCalc", "BinLocation", -1, 0, 12), -1); // missing
    const std::pair<const char*, int> cases[] = {{"", -1},   {"0", 0},     {"12", 12},  {"13", -1},
                                                 {"-1", -1}, {"abc", -1},  {"2.5", -1}, {"7x", -1},
                                                 {" 7 ", 7}, {"1e300", -1}};
    for (const auto& [stored, expected] : cases) {
        store.write("PaybackCalc", "BinLocation", stored);
        EXPECT_EQ(readWholeNumber(store, "PaybackCalc", "BinLocation", -1, 0, 12), expected)
            << '"' << stored << '"';
    }
}

TEST(FlagReads, TrueFalseInAnyCaseOrANumber) {
    MemorySettingsStore store;
    const std::pair<const char*, bool> cases[] = {{"True", true}, {"TRUE", true}, {"false", false},
                                                  {"-1", true},   {"0", false},   {"yes", false}};
    for (const auto& [stored, expected] : cases) {
        store.write("RememberAddInfoPassword", "RememberAddInfoPasswordValue", stored);
        EXPECT_EQ(readFlag(store, "RememberAddInfoPassword", "RememberAddInfoPasswordValue", false),
                  expected)
            << stored;
    }
    EXPECT_TRUE(readFlag(store, "RememberAddInfoPassword", "Missing", true));
}

} // namespace
} // namespace rac::platform
