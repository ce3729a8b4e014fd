#pragma once

#include "coil/catalogue.h"
#include "costmodel/coil_costing.h"
#include "costmodel/price_table.h"
#include "foundation/messages.h"

#include <cstdint>
#include <string_view>

// The block options, each priced when its flag is ticked. Thick-walled tube, pre-tinned fins and
// connection flanges are priced with the tubes, fins and header assembly instead.
namespace rac::costmodel {

// Sets every option cost to 0, then prices the ticked options. Reads the casing depth and sheet
// price set by the casing costing.
void CostOptions(CoilCosting& costing, const PriceTable& prices, MessageSink& messages);

void CostEliminators(CoilCosting& costing, const PriceTable& prices);
void CostStiffeners(CoilCosting& costing);
void CostNutserts(CoilCosting& costing, const PriceTable& prices);
void CostGAM(CoilCosting& costing, const PriceTable& prices);
void CostVentDrain(CoilCosting& costing, const PriceTable& prices);
void CostTestPoints(CoilCosting& costing, const PriceTable& prices);
// Warns first when the coil is beyond the coating's limits.
void CostBlygold(CoilCosting& costing, const PriceTable& prices, MessageSink& messages);
// At least 50, however small the coil.
void CostETAM(CoilCosting& costing, const PriceTable& prices);

// Warns that full Blygold coverage is not guaranteed on deep or dense coils.
void CheckBlygoldLimits(double finDensity, int16_t rows, std::string_view tubeDiameter,
                        coil::FinPattern style, MessageSink& messages);

} // namespace rac::costmodel
