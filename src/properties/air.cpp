#include "properties/air.h"

namespace rac::properties {

double AirViscosity(double temperature) {
    const double tk = temperature + 273.15;
    if (tk <= 600.0) {
        return 1.2e-6 + 6.605e-8 * tk - 2.858e-11 * tk * tk;
    }
    return 1.4277e-5 + 2.717e-8 * tk;
}

double AirConductivity(double temperature) {
    const double tk = temperature + 273.15;
    return 9.814e-5 * tk - 3.381e-8 * tk * tk - 1.308e-4;
}

} // namespace rac::properties
