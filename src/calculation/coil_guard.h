#pragma once

#include "coil/calc_status.h"
#include "coil/current_coil.h"

// Stops a coil calculation that cannot give a meaningful number, with a message that tells the
// engineer what is wrong and what to change, instead of letting a division by zero or a
// non-finite value reach a result.
namespace rac::calculation {

enum class CoilFault {
    NoFluidTemperatureDifference,
    AirOnAtFluidTemperature,
    NoCapacityRate,
    NoCircuits,
    UnknownFinType,
    NotFinite,
};

void StopCoilCalculation(coil::CurrentCoil& coil, coil::CalcStatus& status, CoilFault fault);

// True when every result a coil calculation hands on is a finite number.
bool CoilResultsFinite(const coil::CurrentCoil& coil);

} // namespace rac::calculation
