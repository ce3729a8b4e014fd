#include "properties/water.h"

#include <cmath>

namespace rac::properties {

// The powers are written as in the correlations (T^2, T^3, T^4), not in nested form, so that the
// last digits are those of the correlations' own arithmetic.

double WaterDensity(double temperature) {
    const double t = temperature;
    return 999.085 + 0.111546 * t - 0.007525276 * std::pow(t, 2) + 2.7819864e-5 * std::pow(t, 3) -
           4.879268e-8 * std::pow(t, 4);
}

double WaterSpecificHeat(double temperature) {
    const double t = temperature;
    return 1000.0 *
           (4.18674 + 4.48761e-4 * t - 9.43717e-6 * std::pow(t, 2) + 7.49972e-8 * std::pow(t, 3));
}

double WaterConductivity(double temperature) {
    const double t = temperature;
    return 1e-3 * (569.0 + 1.88857 * t - 0.007857 * std::pow(t, 2));
}

double WaterViscosity(double temperature) {
    const double t = temperature;
    const double exponent =
        3.250108 - 0.014188 * t + 9.597e-5 * std::pow(t, 2) - 3.4612e-7 * std::pow(t, 3);
    return 1e-6 * std::pow(10.0, exponent);
}

} // namespace rac::properties
