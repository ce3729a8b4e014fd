#include "coil/catalogue.h"
#include "mainscreen/field_style.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

#include <algorithm>

// The Load of frmMain: styles, list defaults and the start state of the modes.
namespace rac::mainscreen {

using platform::Control;

namespace {

// Results: what only the program writes.
constexpr std::string_view kResultBoxes[] = {"txtDBExtractOff", "txtEffectiveness", "txtDuty",
                                             "txtAirVelSupply", "txtAirVelExtract", "txtFluidT1",
                                             "txtFluidT2",      "txtFluidFlowRate", "txtTotalMaxPD",
                                             "txtTotalActualPD"};
constexpr std::string_view kSideResultBoxes[] = {"txtCoilCode", "txtConnectionSize", "txtAirPD",
                                                 "txtActualFluidPD"};
constexpr std::string_view kEntries[] = {
    "txtDBSupplyOn",       "txtDBSupplyOff",       "txtDBExtractOn",
    "txtAirVolSupply",     "txtAirVolExtract",     "txtGlycol",
    "txtFluidMaxPDSupply", "txtFluidMaxPDExtract", "cmbGlycolSelect"};
constexpr std::string_view kSideEntries[] = {
    "txtTubesHigh",    "txtFinnedHeight", "txtFinnedLength",     "txtNumberSections",
    "cmbTubeDiameter", "cmbFinMatType",   "cmbFinDensitySelect", "cmbCircuitTypeSelect"};
// The wet-bulb and humidity side of the screen is not available in this version.
constexpr std::string_view kUnavailable[] = {
    "txtWBSupplyOn",  "txtRHSupplyOn",   "txtWBSupplyOff",  "txtRHSupplyOff", "txtWBExtractOn",
    "txtRHExtractOn", "txtWBExtractOff", "txtRHExtractOff", "optWB",          "optRH"};

} // namespace

void FrmMain::loadScreen() {
    applyStartStyles();
    // Each selection runs its list's rule, which fills the lists that depend on it.
    ui_.glycolSelect.setText(kGlycols.front());
    for (const Side side : kBothSides) {
        Control& tube = block(side).tubeDiameter;
        tube.clearItems();
        tube.addItems({std::string(coil::kTube12), std::string(coil::kTube16)});
        tube.setListIndex(0);
    }
    for (const Side side : kBothSides) {
        refill(block(side).finDensitySelect, kFinDensityModes, kOptimise);
    }
    for (const Side side : kBothSides) {
        refill(block(side).circuitTypeSelect, kCircuitModes, kOptimise);
    }
    // Chosen again although the tube size rule chose it already: its rule runs a second time.
    for (const Side side : kBothSides) {
        Control& finType = block(side).finMatType;
        const auto& items = finType.items();
        const auto preset = std::find(items.begin(), items.end(),
                                      coil::defaultFinType(block(side).tubeDiameter.text()));
        finType.setListIndex(static_cast<int>(preset - items.begin()));
    }
    applyStartMode();
    ShowDuctColours();
    resetSchematic();
}

void FrmMain::applyStartStyles() {
    for (const std::string_view name : kEntries) {
        setEntryStyle(at(name));
    }
    for (const std::string_view name : kResultBoxes) {
        setResultStyle(at(name));
    }
    for (const Side side : kBothSides) {
        for (const std::string_view base : kSideEntries) {
            setEntryStyle(sideControl(base, side));
        }
        for (const std::string_view base : kSideResultBoxes) {
            setResultStyle(sideControl(base, side));
        }
    }
    for (const std::string_view name : kUnavailable) {
        Control& control = at(name);
        control.setLocked(true);
        control.setEnabled(false);
    }
}

// Selection, Dry, Air Off DB, as the mode procedures leave the screen but keeping the texts the
// screen starts with.
void FrmMain::applyStartMode() {
    ui_.modePanel.setText("Selection");
    ui_.modePanel.setPicture(layout::kPictureSelection);
    ui_.targetPanel.setText("Air Off DB");
    ui_.targetPanel.setPicture(layout::kPictureAirOffDB);
    ui_.targetPanel.setVisible(true);
    for (const Side side : kBothSides) {
        Control& rows = block(side).numberRows;
        setResultColours(rows);
        rows.setLocked(false);
    }
    showMaximumFluidPDs(true);
    for (Control* command :
         {&ui_.costingButton, &ui_.printButton, &ui_.costingTool, &ui_.printSummaryTool}) {
        command->setEnabled(false);
    }
}

} // namespace rac::mainscreen
