#pragma once

#include "coil/calc_status.h"
#include "coil/current_coil.h"
#include "costmodel/coil_costing.h"

#include <span>

// Stops a coil costing that cannot give a meaningful number (a zero divisor or a non-finite
// value) with a message that names the coil and what to change, instead of letting an infinity
// or NaN reach the screens.
namespace rac::costmodel {

enum class CostFault {
    NoCircuits,
    NoSections,
    UnknownCasingMaterial,
    UnknownDrainpanMaterial,
    NoSellPrice,
    NotFinite,
};

void StopCosting(coil::CoilSide side, coil::CalcStatus& status, CostFault fault);

// True when every listed quantity of the record is a finite number.
bool allFinite(const CoilCosting& costing, std::span<float CoilCosting::*const> quantities);

} // namespace rac::costmodel
