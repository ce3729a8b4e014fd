#pragma once

#include <string>
#include <vector>

// What a costing writes, as a batch reports it back.
namespace rac::costing {

// Every box of frmCosting that Calculate writes or clears, in screen order: per coil the casing
// depth, price, weight and internal volume, the run-around totals, and the payback's inputs
// (which a failed check empties) and results.
const std::vector<std::string>& CostingResultControls();

// Every value box of frmCostingBreakdown, in screen order, the carriage last.
const std::vector<std::string>& BreakdownControls();

} // namespace rac::costing
