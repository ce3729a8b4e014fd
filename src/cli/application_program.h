#pragma once

#include "cli/selection_terms.h"

namespace rac::cli {

// The real program: the application started without the splash screen, frmMain shown.
std::unique_ptr<Program> launchApplication(platform::Services services);

} // namespace rac::cli
