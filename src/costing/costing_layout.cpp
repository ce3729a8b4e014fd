#include "costing/costing_layout.h"

#include "costing/option_lists.h"
#include "mainscreen/field_style.h"
#include "mainscreen/side_names.h"
#include "platform/form_building.h"

#include <span>
#include <string>
#include <utility>

namespace rac::costing::layout {

using mainscreen::sided;
using platform::ControlKind;
using platform::Form;

namespace {

constexpr std::string_view kCopperFinsTip = "Optional with Copper Finned Coils";

void addLabel(Form& form, std::string_view name, std::string caption, std::string_view frame) {
    platform::addCaptioned(form, ControlKind::Label, name, std::move(caption), frame);
}

platform::Control& addTextBox(Form& form, std::string_view name, std::string_view frame,
                              std::string_view text = {}) {
    platform::Control& box = form.add(ControlKind::TextBox, name, frame);
    box.setText(text);
    return box;
}

// A box only the program writes.
void addResultBox(Form& form, std::string_view name, std::string_view frame) {
    mainscreen::setResultStyle(addTextBox(form, name, frame));
}

// Check boxes of a coil, by name and caption.
void addChecks(Form& form, coil::CoilSide side, std::string_view frame,
               std::span<const std::pair<std::string_view, std::string_view>> boxes) {
    for (const auto& [name, caption] : boxes) {
        platform::addCaptioned(form, ControlKind::CheckBox, sided(name, side), std::string(caption),
                               frame);
    }
}

void addMenus(Form& form) {
    const auto menu = [&](std::string_view name, std::string caption,
                          std::string_view parent = {}) {
        platform::addCaptioned(form, ControlKind::MenuEntry, name, std::move(caption), parent);
    };
    menu("mnuFile", "&File");
    menu("mnuPrintWindow", "&Print Window", "mnuFile");
    menu("mnuClose", "&Close", "mnuFile");
    menu("mnuHelp", "&Help");
    menu("mnuHelpContents", "ZYL RAC Help", "mnuHelp");
    menu("mnuAdditionalInformation", "Additional Information", "mnuHelp");
}

void addToolbar(Form& form) {
    const std::pair<int, std::string_view> toolTips[] = {
        {kToolReport, "Print Summary"},
        {kToolCalculate, "Calculate"},
        {kToolClose, "Close"},
        {kToolHelp, "Help"},
    };
    platform::addToolbar(form, "Toolbar1", kToolbarButtons, toolTips);
}

void addCasing(Form& form, coil::CoilSide side) {
    const std::string frame = sided("fraCasing", side);
    platform::addCaptioned(form, ControlKind::Frame, frame,
                           std::string(mainscreen::sideSuffix(side)) + " Casing");
    const auto labelled = [&](std::string_view label, std::string caption, ControlKind kind,
                              std::string_view control) {
        addLabel(form, sided(label, side), std::move(caption), frame);
        form.add(kind, sided(control, side), frame);
    };
    labelled("lblCasingStyle", "Casing Style", ControlKind::List, "cmbCasingStyle");
    labelled("lblCasingMaterial", "Casing Material", ControlKind::List, "cmbCasingMaterial");
    labelled("lblDrainpan", "Drainpan", ControlKind::List, "cmbDrainpan");
    labelled("lblDrainpanMaterial", "Drainpan Material", ControlKind::List, "cmbDrainpanMaterial");
    labelled("lblCasingDepthSelect", "Casing Depth", ControlKind::List, "cmbCasingDepthSelect");
    labelled("lblCasingDepth", "Casing Depth (mm)", ControlKind::TextBox, "txtCasingDepth");
    // The lists that offer every coil the same; the load picks from them.
    form.at(sided("cmbCasingMaterial", side)).addItems(SheetMaterials());
    form.at(sided("cmbDrainpan", side)).addItems(Drainpans());
    form.at(sided("cmbCasingDepthSelect", side)).addItems(CasingDepthModes());
    const std::pair<std::string_view, std::string_view> options[] = {
        {"chkEliminators", "Eliminators"},
        {"chkStiffeners", "Stiffeners"},
        {"chkNutserts", "Nutserts"},
        {"chkGAM", "GAM"},
    };
    addChecks(form, side, frame, options);
    form.at(sided("chkGAM", side)).setToolTip("Optional with Mild Steel Casings");
}

void addBlock(Form& form, coil::CoilSide side) {
    const std::string frame = sided("fraBlock", side);
    platform::addCaptioned(form, ControlKind::Frame, frame,
                           std::string(mainscreen::sideSuffix(side)) + " Block");
    addLabel(form, sided("lblBrazeMat", side), "Braze Material", frame);
    form.add(ControlKind::List, sided("cmbBrazeMat", side), frame).addItems(BrazeMaterials());
    const std::pair<std::string_view, std::string_view> options[] = {
        {"chkVentDrain", "Vent / Drain"},
        {"chkTestPoints", "Test Points"},
        {"chkBlygold", "Blygold Coated"},
        {"chkETAM", "ETAM"},
        {"chkPreTinnedCopperFins", "Pre Tinned Copper Fins"},
        {"chkThickTube", "Thick Walled Tube"},
        {"chkConnectionFlanges", "Connection Flanges"},
    };
    addChecks(form, side, frame, options);
    form.at(sided("chkETAM", side)).setToolTip(std::string(kCopperFinsTip));
    form.at(sided("chkPreTinnedCopperFins", side)).setToolTip(std::string(kCopperFinsTip));
    // The kind of flange shows only with flanges ticked; a flanged coil is welded unless the
    // user says screwed.
    for (const auto& [name, caption] :
         {std::pair{"optWelded", "Welded"}, std::pair{"optScrewed", "Screwed"}}) {
        platform::addCaptioned(form, ControlKind::OptionButton, sided(name, side), caption, frame)
            .setVisible(false);
    }
    form.at(sided("optWelded", side)).setValue(1);
}

void addSubTotal(Form& form, coil::CoilSide side) {
    const std::string frame = sided("fraSubTotal", side);
    platform::addCaptioned(form, ControlKind::Frame, frame,
                           std::string(mainscreen::sideSuffix(side)) + " Coil Sub-Total");
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"CoilCode", "Coil Code"},
        {"SellPrice", "Ex-Works Price (£)"},
        {"TotalWeight", "Weight (kg)"},
        {"InternalVolume", "Internal Volume (litres)"},
    };
    for (const auto& [base, caption] : rows) {
        addLabel(form, sided("lbl" + std::string(base), side), std::string(caption), frame);
        addResultBox(form, sided("txt" + std::string(base), side), frame);
    }
}

void addRunAroundTotal(Form& form) {
    constexpr std::string_view frame = "fraRunAroundTotal";
    platform::addCaptioned(form, ControlKind::Frame, frame, "Run Around Coil Total");
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"lblExWorksPriceSterling", "txtTotalRACExWorksPriceSterling"},
        {"lblExWorksPriceForeign", "txtTotalRACExWorksPriceForeign"},
        {"lblTotalRACWeight", "txtTotalRACWeight"},
        {"lblTotalRACInternalVolume", "txtTotalRACInternalVolume"},
    };
    const std::string_view captions[] = {"Total Ex-Works Price (£)", "Ex-Works Price (£)",
                                         "Total Weight (kg)", "Internal Volume (litres)"};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        addLabel(form, rows[i].first, std::string(captions[i]), frame);
        addResultBox(form, rows[i].second, frame);
    }
    // Only the Additional Information password reveals the gross margin.
    platform::addCaptioned(form, ControlKind::CheckBox, "chkGrossMargin", "Gross Margin (%)", frame,
                           "Tick to specify gross margin")
        .setVisible(false);
    platform::Control& margin = addTextBox(form, "txtGrossMargin", frame);
    mainscreen::setResultStyle(margin);
    margin.setVisible(false);
}

void addPayback(Form& form) {
    constexpr std::string_view frame = "fraPayback";
    platform::addCaptioned(form, ControlKind::Frame, frame, "Payback Calculation");
    addLabel(form, "lblCountry", "Country", frame);
    form.add(ControlKind::List, "cmbCountry", frame).addItems(Countries());
    platform::addCaptioned(form, ControlKind::OptionButton, "optPaybackDesign",
                           "Payback for Design Conditions", frame)
        .setValue(1);
    platform::addCaptioned(form, ControlKind::OptionButton, "optBinPayback",
                           "Payback using Bin Data (Rating Only)", frame);
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdBinData", "Select Bin Data ---->>",
                           frame)
        .setVisible(false);
    platform::Control& location = addTextBox(form, "txtSelectedBinCountry", frame, "Dubai");
    mainscreen::setResultStyle(location);
    location.setVisible(false);

    addLabel(form, "lblenergycost", "Energy Cost (£/kWh)", frame);
    addTextBox(form, "txtEnergyCost", frame, "0.03");
    addLabel(form, "lblannual", "Annual Running Hours", frame);
    addTextBox(form, "txtAnnualRunHours", frame, "3000");
    platform::addCaptioned(form, ControlKind::Label, "lblExchangeRate", "Exchange Rate (#/£)",
                           frame, "Local currency per £1 Sterling");
    addTextBox(form, "txtExchangeRate", frame).setToolTip("Local currency per £1 Sterling");

    addLabel(form, "lblAnnualEnergySaving", "Annual Energy Saving (kWh)", frame);
    addResultBox(form, "txtAnnualEnergySaving", frame);
    addLabel(form, "lblAnnualEnergyCostSaving", "Annual Energy Saving (£)", frame);
    addResultBox(form, "txtAnnualEnergyCostSaving", frame);
    addLabel(form, "lblPayBackCost", "Payback Period (months)", frame);
    addResultBox(form, "txtPayBackCost", frame);
}

void addCommands(Form& form) {
    const auto command = [&](std::string_view name, std::string caption) -> platform::Control& {
        return platform::addCaptioned(form, ControlKind::CommandButton, name, std::move(caption));
    };
    command("cmdCalculateCost", "Calculate");
    // Revealed by the Additional Information password, enabled by a costing.
    platform::Control& breakdown = command("cmdCostingBreakdown", "Costing Breakdown");
    breakdown.setVisible(false);
    breakdown.setEnabled(false);
    command("cmdPrint", "Print").setEnabled(false);
    command("cmdclose", "Close");
}

} // namespace

bool isToolbarSeparator(int position) {
    return position == 3;
}

CostingControls buildCostingLayout(Form& form) {
    form.setTitle("RAC Costing");
    addMenus(form);
    addToolbar(form);
    form.at("Toolbar1", kToolReport).setEnabled(false);
    for (const coil::CoilSide side : mainscreen::kBothSides) {
        addCasing(form, side);
        addBlock(form, side);
        addSubTotal(form, side);
    }
    addRunAroundTotal(form);
    addPayback(form);
    addCommands(form);
    return CostingControls(form);
}

} // namespace rac::costing::layout
