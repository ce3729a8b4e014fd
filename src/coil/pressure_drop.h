#pragma once

#include "coil/current_coil.h"

// The hydraulic model of one finned-tube coil: the fluid pressure drop of one circuit with its
// headers, and the air pressure drop across the coil. None checks its inputs: the cores guard
// zero divisors and non-finite results.
namespace rac::coil {

// FluidReynolds, HeaderPD (Pa) and FluidPD (kPa) for the current Circuits and FluidVelocity.
void CalcFluidPressureDrop(CurrentCoil& coil);

// Sizes the headers of one section from FluidFlow (HeaderSizeIndex 1 to 6 for 3/4 inch to
// 2 1/2 inch, Headers) and sets HeaderPD (Pa) from the velocity head of the tubes (Pa).
void CalcHeaderPressureDrop(CurrentCoil& coil, double velocityHead);

// Applies the thin-fin thickness, sets AirPDPerRow (Pa) and runs CalcTotalAirPressureDrop.
void CalcAirPressureDrop(CurrentCoil& coil);

// CoilAirPD over all rows and TotalAirPD with the casing allowance (Pa).
void CalcTotalAirPressureDrop(CurrentCoil& coil);

} // namespace rac::coil
