#pragma once

#include "cli/program.h"

#include <istream>
#include <ostream>

namespace rac::cli {

// `rac-cli calculate`: answers each request of the input with one JSON line on out, flushed at
// once, each on the program as it stands after start-up (one CalculateSession). A request that
// cannot be run gets {"error": "line N:
// ..."} and the same text on err, and the batch goes on. Returns 0, or 2 when any request failed.
int runCalculate(std::istream& in, std::ostream& out, std::ostream& err, const Launcher& launch);

} // namespace rac::cli
