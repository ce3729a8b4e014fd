#include "mainscreen/field_style.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

namespace rac::mainscreen {

using calculation::Target;

void FrmMain::ClearResults() {
    // The summary commands keep their state: only the costing needs a current calculation.
    at("cmdCosting").setEnabled(false);
    at("Toolbar1", layout::kToolCosting).setEnabled(false);
    for (const std::string_view name : {"txtDBExtractOff", "txtAirVelSupply", "txtAirVelExtract"}) {
        at(name).setText("");
    }
    if (!selectionMode()) {
        // The rated supply off temperature stays beside the blanked duty and effectiveness.
        at("txtEffectiveness").setText("");
        at("txtDuty").setText("");
    } else {
        switch (target()) {
        case Target::AirOffDB:
            at("txtEffectiveness").setText("");
            at("txtDuty").setText("");
            break;
        case Target::Duty:
            at("txtEffectiveness").setText("");
            at("txtDBSupplyOff").setText("");
            break;
        case Target::Effectiveness:
            at("txtDuty").setText("");
            at("txtDBSupplyOff").setText("");
            break;
        }
        for (const Side side : kBothSides) {
            sideControl("txtNumberRows", side).setText("");
        }
    }
    for (const Side side : kBothSides) {
        sideControl("txtConnectionSize", side).setText("");
    }
    // Under "Optimise" these lists hold only the value the last selection chose.
    for (const Side side : kBothSides) {
        if (sideControl("cmbFinDensitySelect", side).text() == kOptimise) {
            sideControl("cmbFinDensity", side).clearItems();
        }
        if (sideControl("cmbCircuitTypeSelect", side).text() == kOptimise) {
            sideControl("cmbCircuitType", side).clearItems();
        }
    }
    for (const Side side : kBothSides) {
        for (const std::string_view base : {"txtCoilCode", "txtActualFluidPD", "txtAirPD"}) {
            sideControl(base, side).setText("");
        }
    }
    for (const std::string_view name :
         {"txtFluidT1", "txtFluidT2", "txtFluidFlowRate", "txtTotalActualPD"}) {
        at(name).setText("");
    }
}

void FrmMain::clearResultsOnEntryChange(const platform::Control& control) {
    if (hasEntryStyle(control) && !showingResults_) {
        ClearResults();
    }
}

} // namespace rac::mainscreen
