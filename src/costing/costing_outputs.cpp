#include "costing/frm_costing.h"
#include "costing/frm_costing_breakdown.h"
#include "mainscreen/side_names.h"

namespace rac::costing {

using platform::Control;

// Results stand only between a Calculate and the next change of an input: everything a costing
// wrote goes, the breakdown's values with it, and so does printing.
void FrmCosting::ClearCostingOutputs() {
    for (const Side which : mainscreen::kBothSides) {
        const CostingSide& fields = side(which);
        if (fields.casingDepthSelect.text() == "Standard") {
            fields.casingDepth.setText("");
        }
    }
    for (const Side which : mainscreen::kBothSides) {
        const CostingSide& fields = side(which);
        for (Control* result : {&fields.totalWeight, &fields.internalVolume, &fields.sellPrice}) {
            result->setText("");
        }
    }
    for (Control* result :
         {&ui_.totalSterling, &ui_.totalForeign, &ui_.totalWeight, &ui_.totalInternalVolume,
          &ui_.annualEnergySaving, &ui_.annualCostSaving, &ui_.payback}) {
        result->setText("");
    }
    shell_.CostingBreakdown().ClearValues();
    ui_.printButton.setEnabled(false);
    ui_.reportTool.setEnabled(false);
}

} // namespace rac::costing
