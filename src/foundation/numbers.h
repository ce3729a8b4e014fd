#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Every numeric convention of the program lives here: quantities are stored as float and
// computed in double, counts are 16-bit, texts read and show numbers with '.' whatever the locale.
namespace rac::numbers {

// Rounds a double result to the float it is stored as.
inline float store(double value) {
    return static_cast<float>(value);
}

// A stored quantity taken into double arithmetic.
inline double widen(float value) {
    return static_cast<double>(value);
}

// Integer part rounded down (also for negative values).
double floorValue(double value);

// Nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double value);

// roundHalfEven as a 16-bit count, clamped to the range of the type.
int16_t toCount(double value);

// The number at the start of a text: leading blanks, sign, digits with at most one point, an
// optional exponent; whatever follows is ignored. A text that does not begin with a number, or
// whose number overflows a double, reads as 0.
double leadingNumber(std::string_view text);

// The whole text is a number (trailing blanks allowed, nothing else); the empty text is not.
bool isNumber(std::string_view text);

// The number a text holds when the whole text is a number.
std::optional<double> parseNumber(std::string_view text);

// Display patterns "0", "0.0", "0.00": the value is first taken to 15 significant digits, then
// rounded to the pattern's decimals with an exact half away from zero; never a negative zero.
enum class Pattern { Whole, OneDecimal, TwoDecimals };
std::string format(double value, Pattern pattern);

// Shortest plain decimal text: a float quantity to at most 7 significant digits, a double sum or
// product to at most 15; no trailing zeros or point, no leading blank, no exponent from 1e-4 to
// 1e7.
std::string shortestText(float value);
std::string shortestText(double value);

// Integer text of a count, as the screen shows rows and circuit numbers.
std::string countText(long value);

} // namespace rac::numbers
