#pragma once

#include "calculation/calc_context.h"
#include "calculation/run_around_data.h"

// The air side of a run-around calculation, shared by the selection and the rating: face areas
// and velocities, the air balance between the two streams, and the loop temperature estimate.
namespace rac::calculation {

// Face areas, face velocities, AirVolMax and AirVolMin.
void CalcFaceAreas(RunAroundData& data);

// DBExtractOff from DBSupplyOff (equal air density and specific heat on both sides).
void CalcExtractOffFromSupplyOff(RunAroundData& data);

// DBSupplyOff from Duty (kW).
void CalcSupplyOffFromDuty(RunAroundData& data);

// Effectiveness (fraction) from the air temperatures.
void CalcEffectivenessFromAirTemperatures(RunAroundData& data);

// MaxDuty (kW, signed) from the air on temperatures and the smaller air volume.
void CalcMaxDuty(RunAroundData& data);

// FluidT1 and FluidT2 from the air temperatures, with the midpoint fallbacks.
void EstimateLoopTemperatures(RunAroundData& data);

// The first stage of a selection: turns the wanted result into air off temperatures, duty,
// effectiveness and loop temperatures. Stops with a message when the two air on temperatures
// are equal, since no heat can then be recovered and every balance divides by zero.
void CalcTargetAirSide(CalcContext& ctx, Target target);

} // namespace rac::calculation
