#pragma once

#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iomanip>
#include <limits>

// Comparison of computed quantities with hand-checked values to a relative tolerance.
namespace rac::test {

// The value a table row expects where the code gives no number (NaN).
inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// |actual - expected| <= relTol x |expected|. An expected zero is matched to relTol absolutely;
// a non-finite expectation (infinity) must be met exactly, and NaN never matches.
inline ::testing::AssertionResult isNear(double actual, double expected, double relTol) {
    const double scale = expected == 0.0 ? 1.0 : std::fabs(expected);
    const bool near = std::isfinite(expected) ? std::fabs(actual - expected) <= relTol * scale
                                              : actual == expected;
    if (near) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << std::setprecision(10) << "actual " << actual << ", expected " << expected
           << " within relative " << relTol;
}

inline void expectNear(double actual, double expected, double relTol) {
    EXPECT_TRUE(isNear(actual, expected, relTol));
}

// A computed quantity, named for the failure message, beside the value worked out by hand.
struct Worked {
    const char* name;
    double actual;
    double expected;
};

inline void expectNear(std::initializer_list<Worked> values, double relTol) {
    for (const Worked& value : values) {
        SCOPED_TRACE(value.name);
        expectNear(value.actual, value.expected, relTol);
    }
}

} // namespace rac::test
