#pragma once

#include "coil/calc_status.h"
#include "coil/current_coil.h"
#include "costmodel/coil_costing.h"
#include "costmodel/price_table.h"

// The costing of one coil. Per coil the screen layer loads the price table (LoadPriceTable),
// fills the record's inputs, runs CostCoilBlock, then CalcLabourBreakdown, and reads the results
// back. A costing that cannot give a meaningful number shows "Costing Not Possible" for the
// side, sets CalcAbort and leaves the record as it was.
namespace rac::costmodel {

// Block, header assembly, labour, casing and drain pan, options, then the totals and sell price;
// the standard casing depth in use is left in CasingDepth. Shows the Blygold warning when due.
void CostCoilBlock(CoilCosting& costing, const PriceTable& prices, coil::CoilSide side,
                   coil::CalcStatus& status);

// The breakdown for display: the ten labour operations, the pre-tinned fin extra and the
// sheet-metal lines. Runs on a record that CostCoilBlock has costed.
void CalcLabourBreakdown(CoilCosting& costing, const PriceTable& prices, coil::CoilSide side,
                         coil::CalcStatus& status);

// OptionsCost, MaterialCost, TotalCost, SellPrice, CarriageCost, TotalWeight and InternalVolume
// from the costed parts; the gross margin must be below 100 % for a sell price.
void SetCostingTotals(CoilCosting& costing, const PriceTable& prices);

} // namespace rac::costmodel
