#pragma once

#include "calculation/run_around_data.h"
#include "coil/calc_status.h"
#include "coil/current_coil.h"

namespace rac::calculation {

// The calculation's share of the program-wide state: the calculation record, the working coil
// and the stop flag. A plain value, so that the program can keep it and put it back whole.
struct CalcState {
    RunAroundData data;
    coil::CurrentCoil coil;
    bool CalcAbort = false;
};

// What the engine works on: the state it reads and writes, and where its messages go. Many
// independent calculations can run in one process, each on a state of its own.
struct CalcContext : coil::CalcStatus {
    CalcContext(MessageSink& sink, CalcState& state)
        : coil::CalcStatus(sink, state.CalcAbort), data(state.data), coil(state.coil) {}

    RunAroundData& data;
    coil::CurrentCoil& coil;
};

} // namespace rac::calculation
