#pragma once

#include "costing/costing_controls.h"
#include "platform/form.h"

#include <string>
#include <vector>

// The controls of frmCosting as the screen design has them before the form loads: names, kinds,
// frames, captions, tool tips and design-time texts. The rules are FrmCosting's.
namespace rac::costing::layout {

// Toolbar1 buttons by position; 3 is a separator.
enum ToolbarButton : int {
    kToolReport = 1,
    kToolCalculate = 2,
    kToolClose = 4,
    kToolHelp = 5,
};
inline constexpr int kToolbarButtons = 5;
bool isToolbarSeparator(int position);

// The casing entries of a coil, in the order the screen shows them.
inline constexpr std::string_view kCasingEntries[] = {"cmbCasingStyle",       "cmbCasingMaterial",
                                                      "cmbDrainpan",          "cmbDrainpanMaterial",
                                                      "cmbCasingDepthSelect", "txtCasingDepth"};

// The option boxes of a coil, in the order the costing copies them into its record; the first
// four are the casing's.
inline constexpr std::string_view kOptionBoxes[] = {
    "chkEliminators", "chkStiffeners", "chkNutserts", "chkGAM",  "chkThickTube",
    "chkVentDrain",   "chkTestPoints", "chkBlygold",  "chkETAM", "chkPreTinnedCopperFins"};

// Adds every control to the form; returns those the rules work with.
CostingControls buildCostingLayout(platform::Form& form);

} // namespace rac::costing::layout
