#include "properties/air.h"

#include <gtest/gtest.h>

namespace rac::properties {
namespace {

struct AirRow {
    double temperature;
    double viscosity;
    double conductivity;
    double prandtl;
};

// 20 C is pinned tighter by the air-side coefficient tests of the coil.
TEST(AirProperties, ReferenceTable) {
    const AirRow rows[] = {{-10, 1.6602e-5, 0.023353, 0.7109},
                           {0, 1.7109e-5, 0.024154, 0.7084},
                           {40, 1.9081e-5, 0.027286, 0.6993}};
    for (const AirRow& row : rows) {
        const double mu = AirViscosity(row.temperature);
        const double k = AirConductivity(row.temperature);
        EXPECT_NEAR(mu, row.viscosity, 0.00005e-5) << row.temperature;
        EXPECT_NEAR(k, row.conductivity, 0.0000005) << row.temperature;
        EXPECT_NEAR(mu * kAirSpecificHeat / k, row.prandtl, 0.00005) << row.temperature;
    }
}

TEST(AirProperties, ViscosityBranchSwitchesAt600KelvinNearlyContinuously) {
    EXPECT_NEAR(AirViscosity(326.85), 3.0541e-5, 0.00005e-5); // quadratic branch, 600 K included
    EXPECT_NEAR(AirViscosity(326.86), 3.0579e-5, 0.00005e-5); // linear branch just above
}

} // namespace
} // namespace rac::properties
