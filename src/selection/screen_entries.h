#pragma once

#include "selection/calculate_request.h"
#include "selection/program.h"

#include <optional>
#include <string>

// A selection between its request and the screens: entered into them as a user would, and read
// back from what they show. rac-cli and the desktop's Open enter it alike, so a file gives the
// same results in both.
namespace rac::selection {

// Chooses the mode and target from frmMain's menus and enters the fields in the order of
// CalculateInputOrder. False when a box kept the focus: its check failed and its message box says
// why. Throws InputError (PlatformError for an item or control that does not exist) for an entry
// the screen does not let a user make.
bool enterMainEntries(platform::Form& main, const CalculateRequest& request);

// The costing's entries on the open frmCosting, in the order of CostingInputOrder; a casing
// style is left after it is picked, as its rule runs on leaving, and the location is picked in
// the location window and confirmed. False and throws as above.
bool enterCostingEntries(Program& program, const CostingRequest& request);

// A selection opened on a program at its start-up state: the entries made, Calculate pressed,
// and when the request holds a costing, Costing pressed, the costing's entries made and its
// Calculate pressed. Stops at the first entry the screens refuse and returns why
// ("frmMain.cmbTubeDiameterSupply: the list has no item \"20mm\""); nothing after it is entered
// or calculated, so no result shown belongs to other entries. A costing the screens cannot open,
// since the calculation did not complete, is reported too: the costing is not on the screens.
std::optional<std::string> openSelection(Program& program, const CalculateRequest& request);

// The selection the screens show: frmMain's mode and target from its menus and every entry a
// user can make now with its text, and, while frmCosting is shown, its entries too. Check boxes
// read "1" or "0"; an option button is kept only when chosen, since choosing its neighbour is how
// it goes off. Never a password.
CalculateRequest shownSelection(Program& program);

} // namespace rac::selection
