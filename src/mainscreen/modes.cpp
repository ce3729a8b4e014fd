#include "mainscreen/field_style.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

#include <array>

namespace rac::mainscreen {

using calculation::Target;
using platform::Control;

namespace {

struct TargetEntry {
    Target target;
    std::string_view menu;
    std::string_view panelText;
    int picture;
    std::string_view field; // the entry of this target
};

constexpr std::array<TargetEntry, 3> kTargets{{
    {Target::AirOffDB, "mnuDBOff", "Air Off DB", layout::kPictureAirOffDB, "txtDBSupplyOff"},
    {Target::Effectiveness, "mnuEffectiveness", "Effectiveness", layout::kPictureEffectiveness,
     "txtEffectiveness"},
    {Target::Duty, "mnuDuty", "Duty", layout::kPictureDuty, "txtDuty"},
}};

// The entry of a target, in the order of the Target values.
const TargetEntry& entryOf(Target target) {
    static_assert(kTargets[static_cast<std::size_t>(Target::AirOffDB)].target == Target::AirOffDB);
    static_assert(kTargets[static_cast<std::size_t>(Target::Effectiveness)].target ==
                  Target::Effectiveness);
    static_assert(kTargets[static_cast<std::size_t>(Target::Duty)].target == Target::Duty);
    return kTargets[static_cast<std::size_t>(target)];
}

constexpr int kTargetButtons[] = {layout::kToolAirOffDB, layout::kToolEffectiveness,
                                  layout::kToolDuty};

} // namespace

bool FrmMain::selectionMode() const {
    return at("mnuSelection").checked();
}

Target FrmMain::target() const {
    // Tested in this order; exactly one is checked.
    if (at("mnuDBOff").checked()) {
        return Target::AirOffDB;
    }
    if (at("mnuDuty").checked()) {
        return Target::Duty;
    }
    return Target::Effectiveness;
}

void FrmMain::showMaximumFluidPDs(bool shown) {
    for (const std::string_view name :
         {"lblFluidMaxPD", "txtFluidMaxPDSupply", "txtFluidMaxPDExtract", "txtTotalMaxPD"}) {
        at(name).setVisible(shown);
    }
}

void FrmMain::SetSelectionMode() {
    at("mnuSelection").setChecked(true);
    at("mnuRating").setChecked(false);
    Control& modePanel = at("StatusBar1", layout::kModePanel);
    modePanel.setText("Selection");
    modePanel.setPicture(layout::kPictureSelection);

    // Rows are chosen by the selection: shown as results, though the box stays editable.
    for (const Side side : kBothSides) {
        Control& rows = sideControl("txtNumberRows", side);
        setResultColours(rows);
        rows.setText("");
    }
    for (const int button : kTargetButtons) {
        at("Toolbar1", button).setEnabled(true);
    }
    at("mnuDBEffDuty").setEnabled(true);
    at("StatusBar1", layout::kTargetPanel).setVisible(true);

    Control& targetField = at(entryOf(target()).field);
    setEntryStyle(targetField);
    targetField.setText("");
    for (const Side side : kBothSides) {
        Control& finDensityMode = sideControl("cmbFinDensitySelect", side);
        finDensityMode.clearItems();
        finDensityMode.addItems(kFinDensityModes);
        finDensityMode.setText(kOptimise);
        setEntryStyle(finDensityMode);
    }
    for (const Side side : kBothSides) {
        Control& circuitMode = sideControl("cmbCircuitTypeSelect", side);
        circuitMode.clearItems();
        circuitMode.addItems(kCircuitModes);
        circuitMode.setText(kOptimise);
    }
    showMaximumFluidPDs(true);
    ClearResults();
}

void FrmMain::SetRatingMode() {
    at("mnuRating").setChecked(true);
    at("mnuSelection").setChecked(false);
    Control& modePanel = at("StatusBar1", layout::kModePanel);
    modePanel.setText("Rating");
    modePanel.setPicture(layout::kPictureRating);

    for (const std::string_view name : {"txtEffectiveness", "txtDuty", "txtDBSupplyOff"}) {
        Control& field = at(name);
        setResultStyle(field);
        field.setText("");
    }
    for (const Side side : kBothSides) {
        Control& rows = sideControl("txtNumberRows", side);
        setEntryStyle(rows);
        if (rows.text().empty()) {
            rows.setText("1");
        }
    }
    // Rating takes both coils as entered: no optimised fin density or circuiting.
    for (const Side side : kBothSides) {
        Control& finDensityMode = sideControl("cmbFinDensitySelect", side);
        finDensityMode.clearItems();
        finDensityMode.addItem(std::string(kFixed));
        finDensityMode.setText(kFixed);
        setResultStyle(finDensityMode);

        Control& circuitMode = sideControl("cmbCircuitTypeSelect", side);
        circuitMode.clearItems();
        circuitMode.addItems({std::string(kFixed), std::string(kNumber)});
        circuitMode.setText(kFixed);
        setEntryStyle(circuitMode);

        sideControl("cmbCircuitType", side).setText("H");
    }
    for (const Side side : kBothSides) {
        sideControl("txtNumberRows", side).setText("8");
    }
    for (const int button : kTargetButtons) {
        at("Toolbar1", button).setEnabled(false);
    }
    at("mnuDBEffDuty").setEnabled(false);
    at("StatusBar1", layout::kTargetPanel).setVisible(false);
    showMaximumFluidPDs(false);
    ClearResults();
}

void FrmMain::SetDryMode() {
    // Dry is the only operation implemented and is always checked.
}

void FrmMain::SetAirOffDBMode() {
    selectTarget(Target::AirOffDB);
}

void FrmMain::SetEffectivenessMode() {
    selectTarget(Target::Effectiveness);
}

void FrmMain::SetDutyMode() {
    selectTarget(Target::Duty);
}

// Each field is blanked before its style changes: blanking an entry is an input change and
// clears the results through the field's own rule.
void FrmMain::selectTarget(Target chosen) {
    for (const TargetEntry& entry : kTargets) {
        at(entry.menu).setChecked(entry.target == chosen);
    }
    const TargetEntry& chosenEntry = entryOf(chosen);
    Control& panel = at("StatusBar1", layout::kTargetPanel);
    panel.setText(chosenEntry.panelText);
    panel.setPicture(chosenEntry.picture);
    for (const TargetEntry& entry : kTargets) {
        if (entry.target != chosen) {
            Control& field = at(entry.field);
            field.setText("");
            setResultStyle(field);
        }
    }
    Control& field = at(chosenEntry.field);
    field.setText("");
    setEntryStyle(field);
    setFocus(field);
}

} // namespace rac::mainscreen
