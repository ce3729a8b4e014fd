#include "platform/numbers.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

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

struct ReadCase {
    const char* name;
    const char* text;
    double leading;
    bool whole;
};

class ReadingNumbers : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingNumbers, LeadingNumberAndWholeTextTest) {
    const ReadCase& c = GetParam();
    EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.leading) << c.text;
    EXPECT_EQ(isNumber(c.text), c.whole) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingNumbers,
    testing::Values(ReadCase{"plain", "12", 12, true}, ReadCase{"decimal", "2.5", 2.5, true},
                    ReadCase{"trailing_letters_ignored", "12abc", 12, false},
                    ReadCase{"no_number_reads_zero", "abc", 0, false},
                    ReadCase{"empty_is_not_a_number", "", 0, false},
                    ReadCase{"point_first_with_sign", "-.5", -0.5, true},
                    ReadCase{"plus_sign", "+3", 3, true},
                    ReadCase{"leading_and_trailing_blanks", "  7.25  ", 7.25, true},
                    ReadCase{"exponent", "1.5e3", 1500, true},
                    ReadCase{"exponent_negative", "25E-1", 2.5, true},
                    ReadCase{"exponent_without_digits", "12e", 12, false},
                    ReadCase{"second_point_ends_number", "1.2.3", 1.2, false},
                    ReadCase{"lone_point", ".", 0, false}, ReadCase{"lone_sign", "-", 0, false},
                    ReadCase{"comma_is_not_a_point", "2,5", 2, false},
                    ReadCase{"overflow_is_not_a_number", "1e400", 0, false},
                    ReadCase{"underflow_is_zero", "1e-400", 0, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReadingNumbers, DecimalPointIgnoresLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_EQ(format(2.5, Pattern::OneDecimal), "2.5");
    if (previous != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

struct FormatCase {
    const char* name;
    double value;
    Pattern pattern;
    const char* text;
};

class DisplayPatterns : public testing::TestWithParam<FormatCase> {};

TEST_P(DisplayPatterns, RoundHalfAwayFromZeroAfter15Digits) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(format(c.value, c.pattern), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplayPatterns,
    testing::Values(FormatCase{"half_away_from_zero", 100.5, Pattern::Whole, "101"},
                    FormatCase{"negative_half_away", -2.5, Pattern::Whole, "-3"},
                    FormatCase{"sum_of_displayed_texts", 60.2 + 40.3, Pattern::Whole, "101"},
                    FormatCase{"binary_just_below_half", 0.15, Pattern::OneDecimal, "0.2"},
                    FormatCase{"float_stored_value", static_cast<double>(6.65f),
                               Pattern::OneDecimal, "6.7"},
                    FormatCase{"no_negative_zero", -0.04, Pattern::OneDecimal, "0.0"},
                    FormatCase{"zero_two_decimals", 0.0, Pattern::TwoDecimals, "0.00"},
                    FormatCase{"small_value", 0.004, Pattern::TwoDecimals, "0.00"},
                    FormatCase{"carry_into_new_digit", 9.96, Pattern::OneDecimal, "10.0"},
                    FormatCase{"large", 123456.789, Pattern::TwoDecimals, "123456.79"},
                    FormatCase{"leading_zero", 0.826, Pattern::TwoDecimals, "0.83"},
                    FormatCase{"tiny_negative_whole", -1e-20, Pattern::Whole, "0"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ShortestText, FloatToSevenDigitsDoubleToFifteen) {
    EXPECT_EQ(shortestText(10.0f), "10");
    EXPECT_EQ(shortestText(1250.5f), "1250.5");
    EXPECT_EQ(shortestText(0.1f), "0.1");
    EXPECT_EQ(shortestText(-3.25f), "-3.25");
    EXPECT_EQ(shortestText(0.0f), "0");
    EXPECT_EQ(shortestText(62.4 + 41.7), "104.1");
    EXPECT_EQ(shortestText(16.8), "16.8");
    EXPECT_EQ(shortestText(0.0001), "0.0001");
    EXPECT_EQ(shortestText(1e-5), "1E-05");
    EXPECT_EQ(shortestText(9999999.0), "9999999");
    EXPECT_EQ(shortestText(1.5e7), "1.5E+07");
    EXPECT_EQ(shortestText(std::numeric_limits<double>::infinity()), "");
}

TEST(ShortestText, WholeNumbersArePlainUpToSevenDigits) {
    EXPECT_EQ(shortestText(26.0f), "26");
    EXPECT_EQ(shortestText(-1000.0f), "-1000");
    EXPECT_EQ(shortestText(-0.0f), "0");
    EXPECT_EQ(shortestText(9999999.0f), "9999999");
    EXPECT_EQ(shortestText(10000000.0f), "1E+07");
    EXPECT_EQ(shortestText(-9999999.0), "-9999999");
    EXPECT_EQ(shortestText(12345678.0), "1.2345678E+07");
    EXPECT_EQ(shortestText(1e15), "1E+15");
    EXPECT_EQ(shortestText(2.5f), "2.5");
}

} // namespace
} // namespace rac::numbers
