#include "costmodel/countries.h"
#include "foundation/numbers.h"

#include <gtest/gtest.h>
#include <string>

namespace rac::costmodel {
namespace {

TEST(Countries, ListOrderCurrencyWordsAndDefaultRates) {
    struct Row {
        const char *name, *currency, *rate;
    };
    const Row expected[] = {
        {"United Kingdom", "£", "1"}, {"Bahrain", "BHD", "0.625"},   {"Denmark", "DKK", "12.17"},
        {"European", "EUR", "1.64"},  {"Hong Kong", "HKD", "11.44"}, {"India", "INR", "72"},
        {"Korea", "WON", "1873.77"},  {"Kuwait", "KWD", "0.5"},      {"Oman", "OMR", "0.53"},
        {"Pakistan", "PKR", "86.05"}, {"Qatar", "QAR", "5.3"},       {"Saudi Arabia", "SAR", "5.3"},
        {"U.A.E.", "DH", "5.3"},
    };
    ASSERT_EQ(kCountries.size(), std::size(expected));
    for (std::size_t i = 0; i < kCountries.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(kCountries[i].name, expected[i].name);
        EXPECT_EQ(kCountries[i].currency, expected[i].currency);
        // The rate box shows the default as plain decimal text.
        EXPECT_EQ(numbers::shortestText(kCountries[i].defaultExchangeRate), expected[i].rate);
    }
}

TEST(LocalExWorksPrice, SterlingTotalTimesTheRateShownWhole) {
    struct Row {
        const char *name, *sterling, *rate, *shown;
    };
    const Row rows[] = {
        {"Oman", "10000", "0.53", "5300"},
        {"United Kingdom converts at 1", "21488", "1", "21488"},
        {"Korea rounds to whole won", "1095", "1873.77", "2051778"},
        {"half a unit rounds away from zero", "3", "0.5", "2"},
        {"a rate that is not a number converts as 0", "10000", "abc", "0"},
        {"an empty rate converts as 0", "10000", "", "0"},
        {"the number at the start of the rate", "10000", "0.5 KWD", "5000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(
            numbers::format(LocalExWorksPrice(row.sterling, row.rate), numbers::Pattern::Whole),
            row.shown);
    }
}

TEST(RunAroundTotal, AddsTheValuesAsShown) {
    // Coil prices 1094.19 and 19394.15 show as "1094" and "19394"; the total is of the shown.
    EXPECT_EQ(numbers::shortestText(RunAroundTotal("1094", "19394")), "20488");
    EXPECT_EQ(numbers::shortestText(RunAroundTotal("75.8", "1907.2")), "1983");
    EXPECT_EQ(numbers::shortestText(RunAroundTotal("62.4", "41.7")), "104.1");
    EXPECT_EQ(numbers::shortestText(RunAroundTotal("", "12.9")), "12.9");
}

} // namespace
} // namespace rac::costmodel
