#pragma once

#include "calculation/calc_context.h"

// The two run-around calculations the Calculate command starts.
namespace rac::calculation {

// Works out the air side of the wanted result, then selects the supply and the extract coil.
void SelectRunAround(CalcContext& ctx, Target target);

// Finds the highest run-around effectiveness, stepping down from 0.80, at which both entered
// coils carry the duty; "Unsuitable Coil" when none above zero does.
void RateRunAround(CalcContext& ctx);

// How far the rating lowers the effectiveness after a pass whose larger coil mismatch
// |required - achieved| was ratingError: 0.02 above 0.2, 0.01 above 0.1, else 0.005.
double RatingEffectivenessStep(float ratingError);

} // namespace rac::calculation
