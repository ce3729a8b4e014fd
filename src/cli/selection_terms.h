#pragma once

#include "selection/json_input.h"
#include "selection/program.h"
#include "selection/screen_actions.h"

// rac-cli reads requests, quotes texts and drives the program in the selection library's terms,
// which the desktop shares: a request read here is a selection file read there.
namespace rac::cli {
using namespace rac::selection;
} // namespace rac::cli
