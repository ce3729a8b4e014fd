#pragma once

#include "cli/selection_terms.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace rac::cli {

// rac-cli as a whole: the arguments after the program's name, the standard streams and the
// program the commands drive. Returns the exit status: 0 done, 2 bad usage or bad input.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, const Launcher& launch);

} // namespace rac::cli
