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
    std::string_view panelText;
    int picture;
};

constexpr std::array<TargetEntry, 3> kTargets{{
    {Target::AirOffDB, "Air Off DB", layout::kPictureAirOffDB},
    {Target::Effectiveness, "Effectiveness", layout::kPictureEffectiveness},
    {Target::Duty, "Duty", layout::kPictureDuty},
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
    return ui_.selectionMenu.checked();
}

Target FrmMain::target() const {
    // Tested in this order; exactly one is checked.
    if (ui_.airOffDBMenu.checked()) {
        return Target::AirOffDB;
    }
    if (ui_.dutyMenu.checked()) {
        return Target::Duty;
    }
    return Target::Effectiveness;
}

Control& FrmMain::targetField(Target target) const {
    switch (target) {
    case Target::Effectiveness:
        return ui_.effectiveness;
    case Target::Duty:
        return ui_.duty;
    case Target::AirOffDB:
        break;
    }
    return ui_.dbSupplyOff;
}

void FrmMain::showMaximumFluidPDs(bool shown) {
    for (Control* control : {&ui_.maxFluidPDLabel, &block(Side::Supply).fluidMaxPD,
                             &block(Side::Extract).fluidMaxPD, &ui_.totalMaxPD}) {
        control->setVisible(shown);
    }
}

void FrmMain::SetSelectionMode() {
    ui_.selectionMenu.setChecked(true);
    ui_.ratingMenu.setChecked(false);
    ui_.modePanel.setText("Selection");
    ui_.modePanel.setPicture(layout::kPictureSelection);

    // Rows are chosen by the selection: shown as results, though the box stays editable.
    for (const Side side : kBothSides) {
        Control& rows = block(side).numberRows;
        setResultColours(rows);
        rows.setText("");
    }
    for (const int button : kTargetButtons) {
        at("Toolbar1", button).setEnabled(true);
    }
    ui_.targetsMenu.setEnabled(true);
    ui_.targetPanel.setVisible(true);

    Control& field = targetField(target());
    setEntryStyle(field);
    field.setText("");
    for (const Side side : kBothSides) {
        Control& finDensityMode = block(side).finDensitySelect;
        refill(finDensityMode, kFinDensityModes, kOptimise);
        setEntryStyle(finDensityMode);
    }
    for (const Side side : kBothSides) {
        refill(block(side).circuitTypeSelect, kCircuitModes, kOptimise);
    }
    showMaximumFluidPDs(true);
    // A costing belongs to the mode it was calculated in.
    shell_.CloseCosting();
    keepFocusOnAnEntry();
    ClearResults();
}

void FrmMain::SetRatingMode() {
    ui_.ratingMenu.setChecked(true);
    ui_.selectionMenu.setChecked(false);
    ui_.modePanel.setText("Rating");
    ui_.modePanel.setPicture(layout::kPictureRating);

    for (Control* field : {&ui_.effectiveness, &ui_.duty, &ui_.dbSupplyOff}) {
        setResultStyle(*field);
        field->setText("");
    }
    for (const Side side : kBothSides) {
        Control& rows = block(side).numberRows;
        setEntryStyle(rows);
        if (rows.text().empty()) {
            rows.setText("1");
        }
    }
    // Rating takes both coils as entered: no optimised fin density or circuiting.
    for (const Side side : kBothSides) {
        const CoilBlock& sideFields = block(side);
        refill(sideFields.finDensitySelect, {std::string(kFixed)}, kFixed);
        setResultStyle(sideFields.finDensitySelect);
        refill(sideFields.circuitTypeSelect, {std::string(kFixed), std::string(kNumber)}, kFixed);
        setEntryStyle(sideFields.circuitTypeSelect);

        sideFields.circuitType.setText("H");
    }
    for (const Side side : kBothSides) {
        block(side).numberRows.setText("8");
    }
    for (const int button : kTargetButtons) {
        at("Toolbar1", button).setEnabled(false);
    }
    ui_.targetsMenu.setEnabled(false);
    ui_.targetPanel.setVisible(false);
    showMaximumFluidPDs(false);
    shell_.CloseCosting();
    keepFocusOnAnEntry();
    ClearResults();
}

// A box that has just become a result, or gone, cannot keep the focus: typing would go nowhere.
void FrmMain::keepFocusOnAnEntry() {
    const Control* focused = focus();
    if (focused != nullptr && (focused->locked() || !canTakeFocus(*focused))) {
        setFocus(ui_.dbSupplyOn);
    }
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
    ui_.airOffDBMenu.setChecked(chosen == Target::AirOffDB);
    ui_.effectivenessMenu.setChecked(chosen == Target::Effectiveness);
    ui_.dutyMenu.setChecked(chosen == Target::Duty);
    const TargetEntry& chosenEntry = entryOf(chosen);
    ui_.targetPanel.setText(chosenEntry.panelText);
    ui_.targetPanel.setPicture(chosenEntry.picture);
    for (const TargetEntry& entry : kTargets) {
        if (entry.target != chosen) {
            Control& field = targetField(entry.target);
            field.setText("");
            setResultStyle(field);
        }
    }
    Control& field = targetField(chosen);
    field.setText("");
    setEntryStyle(field);
    setFocus(field);
}

} // namespace rac::mainscreen
