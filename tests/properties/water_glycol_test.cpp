#include "properties/glycol.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>

namespace rac::properties {
namespace {

enum class Fluid { EGS, PGS };

struct FluidValues {
    double density;
    double specificHeat; // kJ/(kg K)
    double conductivity;
    std::optional<double> viscosity; // mPa s
};

FluidValues evaluate(Fluid fluid, double t, double c) {
    switch (fluid) {
    case Fluid::EGS:
        return {EGSDensity(t, c), EGSSpecificHeat(t, c), EGSConductivity(t, c), EGSViscosity(t, c)};
    case Fluid::PGS:
        return {PGSDensity(t, c), PGSSpecificHeat(t, c), PGSConductivity(t, c), PGSViscosity(t, c)};
    }
    return {};
}

using ViscosityFunction = std::optional<double> (*)(double, double);

struct Solution {
    const char* name;
    ViscosityFunction viscosity;
};

constexpr Solution kSolutions[] = {{"EGS", EGSViscosity}, {"PGS", PGSViscosity}};

// Published check values of the correlations, each to half a unit of its last printed digit. Water
// and the other glycol rows are checked through the coil's fluid property dispatcher, in its units.
TEST(GlycolProperties, ReferenceTable) {
    struct Row {
        const char* name;
        Fluid fluid;
        double t, c;
        FluidValues expected;
    };
    const FluidValues tolerance{0.005, 0.00005, 0.00005, 0.00005};
    const Row rows[] = {
        {"EGS 20 C 20 %", Fluid::EGS, 20, 20, {1029.33, 3.8090, 0.4991, 1.6133}},
        {"PGS 5 C 30 %", Fluid::PGS, 5, 30, {1033.73, 3.7948, 0.4306, 5.8311}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FluidValues got = evaluate(row.fluid, row.t, row.c);
        EXPECT_NEAR(got.density, row.expected.density, tolerance.density);
        EXPECT_NEAR(got.specificHeat, row.expected.specificHeat, tolerance.specificHeat);
        EXPECT_NEAR(got.conductivity, row.expected.conductivity, tolerance.conductivity);
        ASSERT_TRUE(got.viscosity.has_value());
        EXPECT_NEAR(*got.viscosity, *row.expected.viscosity, *tolerance.viscosity);
    }
}

// The band ends -10 and 25 C are included and give the node values; just outside them there is
// no value. Node values are hand-evaluated node polynomials.
TEST(GlycolViscosity, ValidityRangeIncludesBothEnds) {
    struct Row {
        const char* name;
        ViscosityFunction viscosity;
        double t, c;
        std::optional<double> expected;
    };
    const Row rows[] = {
        {"EGS -10 C", EGSViscosity, -10, 30, 6.145},
        {"EGS 25 C", EGSViscosity, 25, 30, 1.9718},
        {"EGS -10.01 C", EGSViscosity, -10.01, 30, std::nullopt},
        {"EGS 25.01 C", EGSViscosity, 25.01, 30, std::nullopt},
        {"PGS -10 C", PGSViscosity, -10, 30, 11.915},
        {"PGS 25 C", PGSViscosity, 25, 30, 2.5606},
        {"PGS -10.01 C", PGSViscosity, -10.01, 30, std::nullopt},
        {"PGS 25.01 C", PGSViscosity, 25.01, 30, std::nullopt},
        {"PGS -10 C node used as it stands (negative below ~19 %)", PGSViscosity, -10, 10, -10.595},
        {"not a number", EGSViscosity, std::nan(""), 30, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<double> got = row.viscosity(row.t, row.c);
        ASSERT_EQ(got.has_value(), row.expected.has_value());
        if (row.expected) {
            EXPECT_NEAR(*got, *row.expected, 1e-5);
        }
    }
}

// Every temperature of the range yields a value, and the curve has no jump anywhere, in
// particular not at the interior nodes, where both bands meet at the float-rounded node
// polynomial rather than at an interpolated mixture.
TEST(GlycolViscosity, ContinuousOverTheWholeRange) {
    for (const Solution& solution : kSolutions) {
        for (const double c : {10.0, 30.0, 60.0}) {
            const std::string where = std::string(solution.name) + " " + std::to_string(c) + " %";
            std::optional<double> previous;
            for (int step = -1000; step <= 2500; ++step) {
                const double t = step / 100.0;
                const std::optional<double> mu = solution.viscosity(t, c);
                ASSERT_TRUE(mu.has_value()) << where << " at " << t << " C";
                ASSERT_TRUE(std::isfinite(*mu)) << where << " at " << t << " C";
                if (previous) {
                    EXPECT_NEAR(*mu, *previous, 0.05) << where << " at " << t << " C";
                }
                previous = mu;
                if (step % 500 == 0 && step != -1000 && step != 2500) {
                    EXPECT_NEAR(*solution.viscosity(t - 1e-4, c), *mu, 1e-3) << where << " " << t;
                    EXPECT_NEAR(*solution.viscosity(t + 1e-4, c), *mu, 1e-3) << where << " " << t;
                    EXPECT_EQ(*mu, static_cast<double>(static_cast<float>(*mu))) << where << t;
                }
            }
        }
    }
}

// A node gives its float-rounded value exactly. Just above a node the upper band is used: its
// slope differs from the lower band's, so the value tells them apart (lower-band extrapolation
// would give 4.1979184 and 5.0133869).
TEST(GlycolViscosity, NodeValuesAndTheBandJustAbove) {
    EXPECT_EQ(*EGSViscosity(5, 30), static_cast<double>(3.4947f));
    EXPECT_EQ(*PGSViscosity(20, 20), static_cast<double>(1.9818f));
    EXPECT_NEAR(*EGSViscosity(0.0005, 30), 4.1979296, 1e-6);
    EXPECT_NEAR(*EGSViscosity(-4.9995, 30), 5.0134185, 1e-6);
}

// The viscosity takes the percentage rounded down; density, specific heat and conductivity use
// it as given.
TEST(GlycolViscosity, PercentageIsFlooredForTheViscosityOnly) {
    const std::pair<Fluid, double> cases[] = {
        {Fluid::EGS, -7.5}, {Fluid::EGS, 12.3}, {Fluid::PGS, 5}, {Fluid::PGS, 22}};
    for (const auto& [fluid, t] : cases) {
        SCOPED_TRACE((fluid == Fluid::EGS ? "EGS at " : "PGS at ") + std::to_string(t));
        const FluidValues fractional = evaluate(fluid, t, 25.9);
        const FluidValues whole = evaluate(fluid, t, 25);
        const FluidValues next = evaluate(fluid, t, 26);
        EXPECT_EQ(*fractional.viscosity, *whole.viscosity);
        EXPECT_NE(*fractional.viscosity, *next.viscosity);
        EXPECT_NE(fractional.density, whole.density);
        EXPECT_NE(fractional.specificHeat, whole.specificHeat);
        EXPECT_NE(fractional.conductivity, whole.conductivity);
    }
}

// The glycol functions hold their arguments as 32-bit floats: a temperature that differs only
// beyond float precision gives the same result.
TEST(GlycolProperties, ArgumentsAreHeldAsFloats) {
    const double t = 7.3;
    const double tFloat = static_cast<float>(t);
    ASSERT_NE(t, tFloat);
    for (const Fluid fluid : {Fluid::EGS, Fluid::PGS}) {
        const FluidValues a = evaluate(fluid, t, 33.3);
        const FluidValues b = evaluate(fluid, tFloat, static_cast<float>(33.3));
        EXPECT_EQ(a.density, b.density);
        EXPECT_EQ(a.specificHeat, b.specificHeat);
        EXPECT_EQ(a.conductivity, b.conductivity);
        EXPECT_EQ(*a.viscosity, *b.viscosity);
    }
}

} // namespace
} // namespace rac::properties
