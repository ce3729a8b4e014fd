#include "mainscreen/field_style.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

namespace rac::mainscreen {

using calculation::Target;

void FrmMain::ClearResults() {
    // The summary commands keep their state: only the costing needs a current calculation.
    ui_.costingButton.setEnabled(false);
    ui_.costingTool.setEnabled(false);
    for (platform::Control* field : {&ui_.dbExtractOff, &block(Side::Supply).faceVelocity,
                                     &block(Side::Extract).faceVelocity}) {
        field->setText("");
    }
    if (!selectionMode()) {
        // The rated supply off temperature stays beside the blanked duty and effectiveness.
        ui_.effectiveness.setText("");
        ui_.duty.setText("");
    } else {
        switch (target()) {
        case Target::AirOffDB:
            ui_.effectiveness.setText("");
            ui_.duty.setText("");
            break;
        case Target::Duty:
            ui_.effectiveness.setText("");
            ui_.dbSupplyOff.setText("");
            break;
        case Target::Effectiveness:
            ui_.duty.setText("");
            ui_.dbSupplyOff.setText("");
            break;
        }
        for (const Side side : kBothSides) {
            block(side).numberRows.setText("");
        }
    }
    for (const Side side : kBothSides) {
        block(side).connectionSize.setText("");
    }
    // Under "Optimise" these lists hold only the value the last selection chose.
    for (const Side side : kBothSides) {
        const CoilBlock& sideFields = block(side);
        if (sideFields.finDensitySelect.text() == kOptimise) {
            sideFields.finDensity.clearItems();
        }
        if (sideFields.circuitTypeSelect.text() == kOptimise) {
            sideFields.circuitType.clearItems();
        }
    }
    for (const Side side : kBothSides) {
        const CoilBlock& sideFields = block(side);
        for (platform::Control* field :
             {&sideFields.coilCode, &sideFields.actualFluidPD, &sideFields.airPD}) {
            field->setText("");
        }
    }
    for (platform::Control* field :
         {&ui_.fluidT1, &ui_.fluidT2, &ui_.fluidFlowRate, &ui_.totalActualPD}) {
        field->setText("");
    }
}

void FrmMain::clearResultsOnEntryChange(const platform::Control& control) {
    if (hasEntryStyle(control) && !showingResults_) {
        ClearResults();
    }
}

} // namespace rac::mainscreen
