// Reading and showing numbers: whatever the text, reading never fails and agrees with itself,
// and whatever the value, what is shown reads back as that value to the precision promised.
#include "foundation/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using rac::numbers::Pattern;

void require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

// Taken to 15 significant digits, a value from here up to the largest double shows as
// 1.79769313486232E+308, beyond the range of a double, and no longer reads back. No quantity of
// the program comes near; the texts are still checked for their form.
constexpr double readableLimit = 1.797693134862315e308;

bool readsBack(double value) {
    return std::fabs(value) < readableLimit;
}

bool negativeZero(std::string_view text) {
    return text.starts_with('-') && text.find_first_of("123456789") == std::string_view::npos;
}

void checkReading(std::string_view text) {
    const auto whole = rac::numbers::parseNumber(text);
    require(rac::numbers::isNumber(text) == whole.has_value());
    const double leading = rac::numbers::leadingNumber(text);
    require(std::isfinite(leading));
    if (whole) {
        require(std::isfinite(*whole));
        require(leading == *whole);
    }
}

void checkFormat(double value) {
    const Pattern patterns[] = {Pattern::Whole, Pattern::OneDecimal, Pattern::TwoDecimals};
    for (int decimals = 0; decimals < 3; ++decimals) {
        const std::string shown = rac::numbers::format(value, patterns[decimals]);
        if (!std::isfinite(value)) {
            require(shown.empty());
            continue;
        }
        require(!negativeZero(shown));
        const auto point = shown.find('.');
        require(decimals == 0 ? point == std::string::npos
                              : point != std::string::npos &&
                                    shown.size() - point - 1 == static_cast<std::size_t>(decimals));
        if (!readsBack(value)) {
            continue;
        }
        const auto read = rac::numbers::parseNumber(shown);
        require(read.has_value());
        const double step = std::pow(10.0, -decimals);
        require(std::fabs(*read - value) <= 0.5 * step + std::fabs(value) * 1e-14);
    }
}

// `digits` significant digits are within half a unit of the last of them, relative to the value;
// reading the text back adds at most a rounding of the double it is read into.
template <typename Value> void checkShortest(Value value, int digits) {
    const double relative =
        0.5 * std::pow(10.0, 1 - digits) + 2 * std::numeric_limits<double>::epsilon();
    const std::string shown = rac::numbers::shortestText(value);
    if (!std::isfinite(value)) {
        require(shown.empty());
        return;
    }
    require(!shown.empty() && shown.front() != ' ' && !negativeZero(shown));
    if (!readsBack(static_cast<double>(value))) {
        return;
    }
    const auto read = rac::numbers::parseNumber(shown);
    require(read.has_value());
    const double exact = static_cast<double>(value);
    require(std::fabs(*read - exact) <= std::fabs(exact) * relative);
    const bool exponent = shown.find('E') != std::string::npos;
    if (!exponent && shown.find('.') != std::string::npos) {
        require(shown.back() != '0' && shown.back() != '.');
    }
    const double magnitude = std::fabs(*read);
    if (magnitude >= 1e-4 && magnitude < 1e7) {
        require(!exponent);
    }
}

template <typename Value> Value valueFrom(const std::uint8_t* data) {
    Value value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReading(text);
    const double read = rac::numbers::leadingNumber(text);
    checkFormat(read);
    checkShortest(read, 15);
    checkShortest(static_cast<float>(read), 7);
    // The raw bytes as values reach the extremes that texts seldom do.
    if (size >= sizeof(double)) {
        checkFormat(valueFrom<double>(data));
        checkShortest(valueFrom<double>(data), 15);
    }
    if (size >= sizeof(float)) {
        checkShortest(valueFrom<float>(data), 7);
    }
    return 0;
}
