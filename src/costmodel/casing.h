#pragma once

#include "costmodel/coil_costing.h"
#include "costmodel/price_table.h"

// The sheet-metal casing and drain pan of a coil: each panel is its sheet area times the sheet
// price plus a labour allowance, counted as often as the style needs it.
namespace rac::costmodel {

// Sheet properties, panel values, panel counts, SheetMetalCost and SheetMetalWeight. Reads the
// casing depth, the allowances and the tube geometry set before it; Sections must not be 0.
void CostCasing(CoilCosting& costing, const PriceTable& prices);

// The sheet-metal lines of the costing breakdown. The end plate line counts the sections once
// more than SheetMetalCost does, so the lines need not add up to it.
void SetSheetMetalBreakdown(CoilCosting& costing);

} // namespace rac::costmodel
