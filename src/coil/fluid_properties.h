#pragma once

#include "coil/calc_status.h"
#include "coil/current_coil.h"

#include <string_view>

namespace rac::coil {

// The four loop-fluid properties of one coil calculation: sets
// coil.FluidDensity (kg/m3), FluidViscosity (mPa s), FluidSpecificHeat (J/(kg K)) and
// FluidConductivity (W/(m K)) at `temperature` (the coil's mean fluid temperature, C) from the
// glycol kind ("EGS", "PGS") and percentage; 0 % is pure water whatever the kind.
//
// Outside the glycol viscosity range it shows "Glycol Not Appropriate", sets status.CalcAbort and
// leaves FluidViscosity 0; the other three properties are still set. The caller returns at once
// when CalcAbort is set afterwards.
void CalcFluidProperties(CurrentCoil& coil, CalcStatus& status, std::string_view glycolSelect,
                         float glycolPercent, double temperature);

} // namespace rac::coil
