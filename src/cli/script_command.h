#pragma once

#include "cli/selection_terms.h"

#include <istream>
#include <ostream>

namespace rac::cli {

// The largest script taken, in bytes.
inline constexpr std::size_t maxScriptBytes = std::size_t{64} << 20;

// `rac-cli script`: reads one script object, writes its transcript on out. Input that is not a
// script (bad JSON, unknown action, wrong type) writes nothing on out and the fault on err. A step
// the screens refuse ends the run: the transcript so far, with its "error", still goes to out,
// and the error to err. Returns 0, or 2 on any fault.
int runScriptCommand(std::istream& in, std::ostream& out, std::ostream& err,
                     const Launcher& launch);

} // namespace rac::cli
