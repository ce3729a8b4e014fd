#pragma once

#include "coil/current_coil.h"

namespace rac::coil {

// Sets the tube dimensions, the fin thickness of the fin type, the core velocity and the tube
// flow area at the start of a coil calculation. Returns false when the fin type is unknown.
bool SetCoilGeometry(CurrentCoil& coil);

} // namespace rac::coil
