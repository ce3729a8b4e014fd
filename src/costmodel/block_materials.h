#pragma once

#include "costmodel/coil_costing.h"
#include "costmodel/price_table.h"

// Material, weight and volume of the coil block: fins, tubes, return bends, braze and fixings.
// Each step reads the block geometry set before it.
namespace rac::costmodel {

// Fin area, volume, weight and material; pre-tinned fins are priced here at their own rate.
void CostFins(CoilCosting& costing, const PriceTable& prices);

// Tube length, material, weight and internal volume; the thick-walled tube option is priced here.
void CostTubes(CoilCosting& costing, const PriceTable& prices);

void CostBends(CoilCosting& costing, const PriceTable& prices);

void CostBraze(CoilCosting& costing, const PriceTable& prices);

void CostFixings(CoilCosting& costing, const PriceTable& prices);

// PreTinnedFinsMaterial: what pre-tinning adds over copper fins, shown apart though already
// inside FinsMaterial.
void SetPreTinnedFinsExtra(CoilCosting& costing, const PriceTable& prices);

} // namespace rac::costmodel
