#pragma once

#include "calculation/calc_context.h"

namespace rac::calculation {

// Sizes the coil held in the working coil: the first fin density and row count whose
// effectiveness exceeds the required one, with the circuiting of its circuit mode.
void SelectCoil(CalcContext& ctx);

// Loads one coil, selects it and copies what the screen shows into the calculation record
// (the supply and extract twins of the selection).
void SelectCoilOnSide(CalcContext& ctx, coil::CoilSide side);

} // namespace rac::calculation
