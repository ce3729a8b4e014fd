#pragma once

#include "calculation/calc_context.h"
#include "costing/costing_state.h"
#include "paybackmodel/bin_tables.h"

// Everything the program holds beside its forms, as one copyable value: what a batch puts back
// whole between requests, so no request leaves anything behind for the next.
namespace rac::program {

struct ProgramState {
    // The calculation record, the working coil and CalcAbort, which the costing shares.
    calculation::CalcState calc;
    // The price table, the costing record and what is remembered of the Additional Information
    // password.
    costing::CostingState costing;
    // The bins of the location last loaded in the location window, which the bin payback uses.
    paybackmodel::BinTables bins;
    // A costing is current: set when one finishes, cleared when the costing screen closes.
    bool CostingDone = false;
    // ExitApplication has run.
    bool exited = false;
};

} // namespace rac::program
