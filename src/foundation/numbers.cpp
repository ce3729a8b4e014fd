#include "foundation/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace rac::numbers {

double floorValue(double value) {
    return std::floor(value);
}

double roundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5) {
        return down;
    }
    if (diff > 0.5) {
        return down + 1.0;
    }
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

int16_t toCount(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    const double rounded = roundHalfEven(value);
    if (rounded > std::numeric_limits<int16_t>::max()) {
        return std::numeric_limits<int16_t>::max();
    }
    if (rounded < std::numeric_limits<int16_t>::min()) {
        return std::numeric_limits<int16_t>::min();
    }
    return static_cast<int16_t>(rounded);
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

struct Scan {
    std::optional<double> value; // empty: no number at the start, or it overflows
    std::size_t end = 0;         // index just past the number
};

// Finds the number at the start of a text by the program's grammar and converts it without
// depending on the machine's locale.
Scan scanNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    std::string normal;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            normal += '-';
        }
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    normal += '0'; // so that ".5" converts as "0.5"
    while (i < text.size() && (isDigit(text[i]) || (text[i] == '.' && !point))) {
        if (text[i] == '.') {
            point = true;
        } else {
            ++digits;
        }
        normal += text[i];
        ++i;
    }
    if (digits == 0) {
        return {};
    }
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            exponent += text[j];
            ++j;
        }
        const std::size_t expStart = j;
        while (j < text.size() && isDigit(text[j])) {
            exponent += text[j];
            ++j;
        }
        if (j > expStart) {
            normal += exponent;
            i = j;
        } else {
            negativeExponent = false;
        }
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (!negativeExponent) {
            return {std::nullopt, i};
        }
        value = 0.0; // underflow: the number denotes (nearly) zero
    } else if (ec != std::errc{}) {
        return {};
    }
    return {value, i};
}

} // namespace

double leadingNumber(std::string_view text) {
    return scanNumber(text).value.value_or(0.0);
}

std::optional<double> parseNumber(std::string_view text) {
    const Scan scan = scanNumber(text);
    if (!scan.value) {
        return std::nullopt;
    }
    for (std::size_t i = scan.end; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            return std::nullopt;
        }
    }
    return scan.value;
}

bool isNumber(std::string_view text) {
    return parseNumber(text).has_value();
}

namespace {

// Decimal digits and exponent of a value: value = 0.digits x 10^(exponent + 1).
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double value, int significant) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significant - 1);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal d;
    if (!text.empty() && text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (isDigit(c)) {
            d.digits += c;
        }
    }
    const std::string_view exp = text.substr(e + 1);
    std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), d.exponent);
    return d;
}

std::string trimZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

// Plain text of 0.digits x 10^(exponent+1) with no trailing zeros after the point.
std::string plainText(const Decimal& d) {
    const std::string digits = trimZeros(d.digits);
    if (digits == "0") {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    const int intDigits = d.exponent + 1;
    if (intDigits <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-intDigits), '0') + digits;
    } else if (static_cast<std::size_t>(intDigits) >= digits.size()) {
        out += digits + std::string(static_cast<std::size_t>(intDigits) - digits.size(), '0');
    } else {
        const auto split = static_cast<std::size_t>(intDigits);
        out += digits.substr(0, split) + "." + digits.substr(split);
    }
    return out;
}

std::string exponentText(const Decimal& d) {
    const std::string digits = trimZeros(d.digits);
    std::string out = d.negative ? "-" : "";
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
        out += "." + digits.substr(1);
    }
    const int magnitude = std::abs(d.exponent);
    out += d.exponent < 0 ? "E-" : "E+";
    out += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    return out;
}

std::string shortest(double value, int significant) {
    if (!std::isfinite(value)) {
        return "";
    }
    if (value == 0.0) {
        return "0";
    }
    // A whole number below 10^7 has at most 7 digits, no more than either precision keeps, and
    // is shown plainly: counts, fin densities and coil sizes, written for every coil tried.
    if (std::fabs(value) < 1e7 && std::floor(value) == value) {
        return std::to_string(static_cast<long>(value));
    }
    const Decimal d = toDecimal(value, significant);
    if (d.exponent < -4 || d.exponent >= 7) {
        return exponentText(d);
    }
    return plainText(d);
}

// Most values shown lie well away from a half of the pattern's last place, where rounding the
// value as it stands gives what rounding its 15 significant digits gives: taking the value to 15
// digits moves it by less than the margin, so only a value within the margin of a half can round
// otherwise. Such values, and any beyond 10^9, are left to the general way; none otherwise.
std::optional<std::string> formatAwayFromAHalf(double value, int decimals) {
    constexpr double kLargest = 1e9;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kLargest)) {
        return std::nullopt;
    }
    const double scaled = magnitude * (decimals == 0 ? 1.0 : decimals == 1 ? 10.0 : 100.0);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    const double margin = scaled * 1e-13 + 1e-9;
    if (std::fabs(fraction - 0.5) <= margin) {
        return std::nullopt;
    }
    const auto units = static_cast<long long>(whole) + (fraction > 0.5 ? 1 : 0);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, units).ptr;
    std::string text(digits, end);
    const auto places = static_cast<std::size_t>(decimals);
    if (text.size() <= places) {
        text.insert(0, places + 1 - text.size(), '0');
    }
    if (places > 0) {
        text.insert(text.size() - places, 1, '.');
    }
    if (value < 0 && units != 0) {
        text.insert(0, 1, '-');
    }
    return text;
}

} // namespace

std::string format(double value, Pattern pattern) {
    if (!std::isfinite(value)) {
        return "";
    }
    const int decimals = pattern == Pattern::Whole ? 0 : pattern == Pattern::OneDecimal ? 1 : 2;
    if (const auto quick = formatAwayFromAHalf(value, decimals)) {
        return *quick;
    }
    Decimal d = toDecimal(value, 15);
    // Keep the digits down to the pattern's last decimal; the first dropped digit decides.
    const int kept = d.exponent + 1 + decimals;
    std::string digits;
    if (kept >= 0) {
        digits = d.digits.substr(
            0, std::min<std::size_t>(static_cast<std::size_t>(kept), d.digits.size()));
        digits.resize(static_cast<std::size_t>(kept), '0');
        const bool roundUp = static_cast<std::size_t>(kept) < d.digits.size() &&
                             d.digits[static_cast<std::size_t>(kept)] >= '5';
        if (roundUp) {
            int i = static_cast<int>(digits.size()) - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
            }
        }
    }
    // digits now holds the value times 10^decimals as a whole number.
    if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const bool zero = firstNonZero == std::string::npos;
    std::size_t intLength = digits.size() - static_cast<std::size_t>(decimals);
    std::size_t lead = 0;
    while (lead + 1 < intLength && digits[lead] == '0') {
        ++lead;
    }
    std::string out = (d.negative && !zero) ? "-" : "";
    out += digits.substr(lead, intLength - lead);
    if (decimals > 0) {
        out += "." + digits.substr(intLength);
    }
    return out;
}

std::string shortestText(float value) {
    return shortest(static_cast<double>(value), 7);
}

std::string shortestText(double value) {
    return shortest(value, 15);
}

std::string countText(long value) {
    return std::to_string(value);
}

} // namespace rac::numbers
