#include "foundation/numbers.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <utility>

namespace rac::numbers {
namespace {

TEST(StoredQuantities, DoubleResultRoundedToNearestFloat) {
    EXPECT_EQ(store(1.0 + 1e-9), 1.0f);
    EXPECT_EQ(store(16777217.0), 16777216.0f); // a tie goes to the even float
    EXPECT_EQ(store(16777219.0), 16777220.0f);
    EXPECT_EQ(store(0.1), 0.1f);
}

TEST(Rounding, FloorAndHalfEven) {
    EXPECT_EQ(floorValue(2.7), 2.0);
    EXPECT_EQ(floorValue(-2.2), -3.0);
    EXPECT_EQ(roundHalfEven(12.5), 12.0);
    EXPECT_EQ(roundHalfEven(13.5), 14.0);
    EXPECT_EQ(roundHalfEven(-0.5), -0.0);
    EXPECT_EQ(roundHalfEven(-1.5), -2.0);
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(toCount(26.5), 26);
    EXPECT_EQ(toCount(1e9), 32767);
    EXPECT_EQ(toCount(-1e9), -32768);
    EXPECT_EQ(toCount(std::nan("")), 0);
}

TEST(ReadingNumbers, LeadingNumberAndWholeText) {
    // Whatever ends the number ("abc", an exponent without digits, a second point, a comma) is
    // ignored, but the whole text is then no number; an overflow reads as no number, an
    // underflow as zero.
    const std::tuple<const char*, double, bool> cases[] = {
        {"12", 12, true},     {"2.5", 2.5, true},       {"-.5", -0.5, true},
        {"+3", 3, true},      {"  7.25  ", 7.25, true}, {"1.5e3", 1500, true},
        {"25E-1", 2.5, true}, {"1e-400", 0, true},      {"1e400", 0, false},
        {"12abc", 12, false}, {"12e", 12, false},       {"1.2.3", 1.2, false},
        {"2,5", 2, false},    {"abc", 0, false},        {"", 0, false},
        {".", 0, false},      {"-", 0, false}};
    for (const auto& [text, leading, whole] : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(text), leading) << '"' << text << '"';
        EXPECT_EQ(isNumber(text), whole) << '"' << text << '"';
    }
}

TEST(ReadingNumbers, DecimalPointIgnoresLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_EQ(format(2.5, Pattern::OneDecimal), "2.5");
    if (previous != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(DisplayPatterns, RoundHalfAwayFromZeroAfter15Digits) {
    // Among them: the sum of two displayed texts, binary just below the half (0.15), a stored
    // float, no negative zero, a carry into a new digit.
    using enum Pattern;
    const double sum = 60.2 + 40.3;
    const double stored = 6.65f;
    const std::tuple<double, Pattern, const char*> cases[] = {
        {100.5, Whole, "101"},        {-2.5, Whole, "-3"},
        {sum, Whole, "101"},          {0.15, OneDecimal, "0.2"},
        {stored, OneDecimal, "6.7"},  {-0.04, OneDecimal, "0.0"},
        {0.0, TwoDecimals, "0.00"},   {0.004, TwoDecimals, "0.00"},
        {9.96, OneDecimal, "10.0"},   {123456.789, TwoDecimals, "123456.79"},
        {0.826, TwoDecimals, "0.83"}, {-1e-20, Whole, "0"},
        {-0.0, OneDecimal, "0.0"},    {0.0, Whole, "0"}};
    for (const auto& [value, pattern, text] : cases) {
        EXPECT_EQ(format(value, pattern), text) << value;
    }
}

TEST(ShortestText, FloatToSevenDigitsDoubleToFifteen) {
    const std::pair<float, const char*> floats[] = {
        {10.0f, "10"},           {1250.5f, "1250.5"},   {0.1f, "0.1"},
        {-3.25f, "-3.25"},       {0.0f, "0"},           {-0.0f, "0"},
        {26.0f, "26"},           {-1000.0f, "-1000"},   {2.5f, "2.5"},
        {9999999.0f, "9999999"}, {10000000.0f, "1E+07"}};
    const std::pair<double, const char*> doubles[] = {
        {62.4 + 41.7, "104.1"}, {16.8, "16.8"},
        {0.0001, "0.0001"},     {1e-5, "1E-05"},
        {9999999.0, "9999999"}, {-9999999.0, "-9999999"},
        {1.5e7, "1.5E+07"},     {12345678.0, "1.2345678E+07"},
        {1e15, "1E+15"},        {std::numeric_limits<double>::infinity(), ""}};
    const auto expectAll = [](const auto& cases) {
        for (const auto& [value, text] : cases) {
            EXPECT_EQ(shortestText(value), text) << value;
        }
    };
    expectAll(floats);
    expectAll(doubles);
}

} // namespace
} // namespace rac::numbers
