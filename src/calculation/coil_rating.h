#pragma once

#include "calculation/calc_context.h"

namespace rac::calculation {

// Rates the coil held in the working coil at the run-around Duty: its required and achieved
// effectiveness, fluid pressure drop, coil code and connection size.
void RateCoil(CalcContext& ctx);

// Duty, loop flow, required effectiveness and velocity of the coil being rated, then its
// performance. False when a zero divisor stops the calculation (the message is shown).
bool CalcRatingFlow(CalcContext& ctx);

// Capacity ratio, total resistance and effectiveness of the coil being rated.
void CalcCoilPerformance(coil::CurrentCoil& coil);

// Loads one coil with its entered rows, rates it and copies the results into the record
// (the supply and extract twins of the rating).
void RateCoilOnSide(CalcContext& ctx, coil::CoilSide side);

} // namespace rac::calculation
