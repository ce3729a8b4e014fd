#pragma once

#include "coil/current_coil.h"

namespace rac::coil {

// Names the coil: tube, "W", circuiting, fins per inch "." rows "-" tubes high "T" "x" length,
// for example 12WH10.4-26Tx1000, or 12WS1210.4-26Tx1000 for 12 counted circuits.
void BuildCoilCode(CurrentCoil& coil);

} // namespace rac::coil
