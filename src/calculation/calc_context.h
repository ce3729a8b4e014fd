#pragma once

#include "calculation/run_around_data.h"
#include "coil/calc_status.h"
#include "coil/current_coil.h"

// The engine's program-wide state, one object per independent calculation: the calculation
// record, the working coil, the stop flag and where messages go.
namespace rac::calculation {

struct CalcContext : coil::CalcStatus {
    explicit CalcContext(MessageSink& sink) : coil::CalcStatus(sink) {}

    RunAroundData data;
    coil::CurrentCoil coil;
};

} // namespace rac::calculation
