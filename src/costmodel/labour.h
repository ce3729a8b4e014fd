#pragma once

#include "costmodel/coil_costing.h"
#include "costmodel/price_table.h"

// Labour of the coil block, in minutes at the price table's labour rate.
namespace rac::costmodel {

// LabourCost: the minutes of every operation of one coil, summed and priced.
void CalcLabourTotal(CoilCosting& costing, const PriceTable& prices);

// The ten labour operation values shown in the costing breakdown. They count per-section work
// by section and so are not the terms of LabourCost.
void SetLabourOperations(CoilCosting& costing, const PriceTable& prices);

} // namespace rac::costmodel
