#include "costing/frm_costing.h"
#include "costing/option_lists.h"
#include "costmodel/price_table.h"
#include "costmodel/sheet_materials.h"
#include "foundation/numbers.h"
#include "mainscreen/field_style.h"
#include "mainscreen/option_lists.h"
#include "payback/frm_select_bin_data.h"

#include <algorithm>
#include <array>

// The rules between the costing screen's options: what each choice offers, ticks or clears.
namespace rac::costing {

using platform::Control;

namespace {

// GAM is made for mild steel casings only.
constexpr std::array<std::string_view, 3> kMildSteels{"3mm mild steel", "14g mild steel",
                                                      "16g mild steel"};

bool holdsMaterial(const Control& drainpanMaterial) {
    return !drainpanMaterial.text().empty() &&
           drainpanMaterial.text() != costmodel::kNoDrainpanMaterial;
}

} // namespace

void FrmCosting::casingMaterialClicked(Side which) {
    const CostingSide& fields = side(which);
    const bool mildSteel = std::find(kMildSteels.begin(), kMildSteels.end(),
                                     fields.casingMaterial.text()) != kMildSteels.end();
    fields.gam.setEnabled(mildSteel);
    if (!mildSteel) {
        fields.gam.setValue(0);
    }
    if (holdsMaterial(fields.drainpanMaterial)) {
        tell("Drainpan Material Autoselect",
             "Changing the casing material automatically changes the drainpan material to "
             "match. If you would like to select a different drainpan material, please do this "
             "now.");
        fields.drainpanMaterial.setListIndex(fields.casingMaterial.listIndex());
    }
    ClearCostingOutputs();
}

// Leaving the style: vent and drain come with every casing but the Economy one, and the tube
// wall is the user's to choose again. A coil on a loop above 115 C keeps its thick-walled tube
// and goes without vent and drain, whatever the casing.
void FrmCosting::casingStyleLeft(Side which) {
    if (hotFluid(which)) {
        return;
    }
    const CostingSide& fields = side(which);
    fields.ventDrain.setEnabled(true);
    fields.ventDrain.setValue(fields.casingStyle.text() == "Economy" ? 0 : 1);
    fields.thickTube.setEnabled(true);
}

void FrmCosting::drainpanClicked(Side which) {
    const CostingSide& fields = side(which);
    if (fields.drainpan.text() == "None") {
        mainscreen::refill(fields.drainpanMaterial, NoDrainpanMaterials(),
                           costmodel::kNoDrainpanMaterial);
    } else if (!fields.drainpanMaterial.text().empty()) {
        fields.drainpanMaterial.clearItems();
        fields.drainpanMaterial.addItems(SheetMaterials());
        fields.drainpanMaterial.setListIndex(fields.casingMaterial.listIndex());
    }
    ClearCostingOutputs();
}

void FrmCosting::casingDepthModeClicked(Side which) {
    Control& depth = side(which).casingDepth;
    depth.setText("");
    if (side(which).casingDepthSelect.text() == "Standard") {
        // Shows the standard depth a costing works out; not an entry.
        mainscreen::setResultStyle(depth);
    } else {
        mainscreen::setEntryStyle(depth);
    }
    ClearCostingOutputs();
}

void FrmCosting::casingDepthChanged(Side which) {
    if (mainscreen::hasEntryStyle(side(which).casingDepth) && !showingResults_) {
        ClearCostingOutputs();
    }
}

void FrmCosting::connectionFlangesClicked(Side which) {
    const CostingSide& fields = side(which);
    const bool flanged = fields.connectionFlanges.value() == 1;
    fields.welded.setVisible(flanged);
    fields.screwed.setVisible(flanged);
    ClearCostingOutputs();
}

void FrmCosting::grossMarginTicked() {
    if (ui_.grossMarginTick.value() == 1) {
        mainscreen::setEntryStyle(ui_.grossMargin);
    } else {
        mainscreen::setResultStyle(ui_.grossMargin);
        showPriceTableMargin();
    }
}

// The price table rebuilt with the margin as the screen now stands, and that margin shown.
void FrmCosting::showPriceTableMargin() {
    costmodel::LoadPriceTable(state_.PriceTable, enteredGrossMargin());
    ui_.grossMargin.setText(numbers::shortestText(state_.PriceTable.GrossMarginPercent));
}

void FrmCosting::RevealAdditionalInformation() {
    for (Control* revealed : {&ui_.breakdownButton, &ui_.grossMarginTick, &ui_.grossMargin}) {
        revealed->setVisible(true);
    }
    showPriceTableMargin();
}

void FrmCosting::choosePaybackDesign() {
    ui_.binData.setVisible(false);
    ui_.selectedBinCountry.setVisible(false);
    ui_.runHoursLabel.setVisible(true);
    ui_.runHours.setVisible(true);
    ClearCostingOutputs();
}

// The location window is made (its list and the kept location loaded) and its choice taken at
// once; then the country's own location is chosen, kept only when the user next confirms a
// location.
void FrmCosting::chooseBinPayback() {
    payback::FrmSelectBinData& locations = shell_.Payback().SelectBinData();
    // Made rather than shown: taking its choice hides it again at once, and a window shown only to
    // be hidden would flash on the desktop.
    locations.load();
    ui_.binData.setVisible(true);
    ui_.selectedBinCountry.setVisible(true);
    ui_.runHoursLabel.setVisible(false);
    ui_.runHours.setVisible(false);
    locations.UseSelectedBinData();
    selectDefaultBinLocation();
    ClearCostingOutputs();
}

void FrmCosting::selectBinData() {
    shell_.Payback().SelectBinData().show();
    ClearCostingOutputs();
}

} // namespace rac::costing
