#pragma once

#include "costmodel/coil_costing.h"

// The header assembly: two headers as high as the finned height, their end caps, connections,
// sundries and the optional connection flanges, priced by the coil's connection size.
namespace rac::costmodel {

void CostHeaderAssembly(CoilCosting& costing);

} // namespace rac::costmodel
