#pragma once

#include "coil/current_coil.h"

#include <string_view>

// The thermal model of one finned-tube coil: the film coefficients of both sides, the fin
// resistance, the surfaces per row and the counterflow effectiveness. Each procedure reads and
// writes named fields of the working set. None checks its inputs: the cores guard zero divisors
// and non-finite results. A tube and fin combination the catalogue holds no data for gives NaN,
// so that it reaches those guards instead of passing as a number.
namespace rac::coil {

// The coil model's own rounded constants.
inline constexpr double kPi = 3.14;
inline constexpr double kE = 2.718;

// Below this Reynolds number the tube-side flow is laminar.
inline constexpr double kLaminarReynoldsLimit = 2100.0;

// Thin aluminium fins ("Aluminium 0.15 rippled" or "Aluminium 0.15 louvre") at 6 FPI or less
// are rated as the fin named here: its resistance and its thickness.
inline constexpr std::string_view kThinFinSubstitute = "Aluminium 0.25 rippled";
bool thinFinRuleApplies(const CurrentCoil& coil);

// The tube-side Reynolds number at FluidVelocity (FluidViscosity in mPa s).
double fluidReynolds(const CurrentCoil& coil);

// AirReynolds, AirPrandtl, AirNusselt, AirCoefficient and AirResistance at AirOnTemp.
void CalcAirSideCoefficient(CurrentCoil& coil);

// InsideAreaPerRow: the inside surface of one row of tubes.
void CalcInsideArea(CurrentCoil& coil);

// FinResistance by tube size and fin type, with the 0.25 mm value for thin aluminium fins at
// 6 FPI or less.
void SetFinResistance(CurrentCoil& coil);

// FinCount and the outside surfaces per row; AreaRatio of outside to inside surface.
void CalcCoilSurfaces(CurrentCoil& coil);

// FluidReynolds, FluidPrandtl, FluidNusselt, FluidCoefficient and FluidResistance (referred to
// the outside surface).
void CalcTubeSideCoefficient(CurrentCoil& coil);

// OverallU, NTU and the counterflow Effectiveness from TotalResistance; a CapacityRatio of
// exactly 1 is stored back as 0.99.
void CalcEffectiveness(CurrentCoil& coil);

} // namespace rac::coil
