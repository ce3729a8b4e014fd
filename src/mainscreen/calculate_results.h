#pragma once

#include <string_view>
#include <vector>

namespace rac::mainscreen {

// Every control of frmMain that the Calculate command writes or clears as a result, in screen
// order: what a batch calculation reports back.
const std::vector<std::string_view>& CalculateResultControls();

} // namespace rac::mainscreen
