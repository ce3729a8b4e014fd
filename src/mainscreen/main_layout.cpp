#include "mainscreen/main_layout.h"

#include "mainscreen/identity.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"
#include "platform/form_building.h"

#include <string>

namespace rac::mainscreen::layout {

using platform::ControlKind;
using platform::Form;

namespace {

void addLabel(Form& form, std::string_view name, std::string caption, std::string_view frame,
              std::string toolTip = {}) {
    platform::addCaptioned(form, ControlKind::Label, name, std::move(caption), frame,
                           std::move(toolTip));
}

void addTextBox(Form& form, std::string_view name, std::string_view frame,
                std::string_view text = {}) {
    form.add(ControlKind::TextBox, name, frame).setText(text);
}

void addFrame(Form& form, std::string_view name, std::string caption) {
    platform::addCaptioned(form, ControlKind::Frame, name, std::move(caption));
}

// One of the four air-state frames: dry bulb, and the wet bulb and humidity the program does not
// work with yet.
void addAirState(Form& form, std::string_view state, std::string caption,
                 std::string_view dryBulb) {
    const std::string frame = "fra" + std::string(state);
    addFrame(form, frame, std::move(caption));
    const std::string s(state);
    addLabel(form, "lblDB" + s, "Dry Bulb (°C)", frame);
    addTextBox(form, "txtDB" + s, frame, dryBulb);
    addLabel(form, "lblWB" + s, "Wet Bulb (°C)", frame);
    addTextBox(form, "txtWB" + s, frame, "N/A");
    addLabel(form, "lblRH" + s, "RH (%)", frame);
    addTextBox(form, "txtRH" + s, frame, "N/A");
}

void addSchematic(Form& form) {
    addFrame(form, "FrmSchematic", "Schematic");
    form.add(ControlKind::Shape, "shpSupplyDuct", "FrmSchematic");
    form.add(ControlKind::Shape, "shpExtractDuct", "FrmSchematic");
    for (const std::string_view array : {"WhiteLineUp", "WhiteLineDown"}) {
        for (int segment = 0; segment < kSchematicSegments; ++segment) {
            form.addElement(ControlKind::Line, array, segment, "FrmSchematic");
        }
    }
    for (const coil::CoilSide side : kBothSides) {
        addLabel(form, sided("lblAirVol", side), "Air Volume (m³/s)", "FrmSchematic");
        addTextBox(form, sided("txtAirVol", side), "FrmSchematic", "2.5");
        addLabel(form, sided("lblAirVel", side), "Face Velocity (m/s)", "FrmSchematic");
        addTextBox(form, sided("txtAirVel", side), "FrmSchematic");
    }
    addLabel(form, "lblEffectiveness", "Effectiveness (%)", "FrmSchematic");
    addTextBox(form, "txtEffectiveness", "FrmSchematic");
    addLabel(form, "lblDuty", "Duty (kW)", "FrmSchematic");
    addTextBox(form, "txtDuty", "FrmSchematic");
}

void addCoil(Form& form, coil::CoilSide side) {
    const std::string frame = sided("fra", side) + "Coil";
    addFrame(form, frame, std::string(sideSuffix(side)) + " Coil");
    const auto label = [&](std::string_view base, std::string caption, std::string toolTip = {}) {
        addLabel(form, sided(base, side), std::move(caption), frame, std::move(toolTip));
    };
    const auto control = [&](ControlKind kind, std::string_view base) -> platform::Control& {
        return form.add(kind, sided(base, side), frame);
    };

    label("lblCoilCode", "Coil Code");
    control(ControlKind::TextBox, "txtCoilCode");
    label("lblFinMatType", "Fin Type", "Fin Material and Fin Type");
    control(ControlKind::List, "cmbFinMatType").setToolTip("Fin Material and Fin Type");
    label("lblTubeDiameter", "Tube Diameter", "Coil Tube External Diameter");
    control(ControlKind::List, "cmbTubeDiameter").setToolTip("Coil Tube External Diameter");
    label("lblTubesHigh", "Tubes High");
    control(ControlKind::TextBox, "txtTubesHigh").setText("26");
    label("lblFinnedHeight", "Finned Height (mm)");
    control(ControlKind::TextBox, "txtFinnedHeight").setText("994");
    label("lblFinnedLength", "Finned Length (mm)");
    control(ControlKind::TextBox, "txtFinnedLength").setText("1000");
    label("lblFinDensity", "Fin Density (FPI)");
    control(ControlKind::List, "cmbFinDensitySelect");
    control(ControlKind::List, "cmbFinDensity");
    label("lblCircuitType", "Circuit Type");
    control(ControlKind::List, "cmbCircuitTypeSelect");
    control(ControlKind::EditableList, "cmbCircuitType");
    label("lblNumberSections", "No. Sections");
    control(ControlKind::TextBox, "txtNumberSections").setText("1");
    label("lblNumberRows", "No. Rows");
    control(ControlKind::TextBox, "txtNumberRows");
    label("lblConnectionSize", "Connection Size");
    control(ControlKind::TextBox, "txtConnectionSize");
    label("lblAirPD", "Air Pressure Drop (Pa)");
    control(ControlKind::TextBox, "txtAirPD");
}

void addFluidSide(Form& form) {
    addFrame(form, "fraFluidSideData", "Fluid Side Data");
    addLabel(form, "lblFluidT1", "Fluid T1 (°C)", "fraFluidSideData");
    addTextBox(form, "txtFluidT1", "fraFluidSideData");
    addLabel(form, "lblFluidT2", "Fluid T2 (°C)", "fraFluidSideData");
    addTextBox(form, "txtFluidT2", "fraFluidSideData");
    addLabel(form, "lblFluidFlowRate", "Flow Rate (l/s)", "fraFluidSideData");
    addTextBox(form, "txtFluidFlowRate", "fraFluidSideData");
    form.add(ControlKind::List, "cmbGlycolSelect", "fraFluidSideData").addItems(kGlycols);
    addLabel(form, "lblGlycol", "Glycol (%)", "fraFluidSideData",
             "For pure water set this value to 0%");
    addTextBox(form, "txtGlycol", "fraFluidSideData", "0");
    form.at("txtGlycol").setToolTip("For pure water set this value to 0%");

    addFrame(form, "fraFluidPressureDrop", "Fluid Pressure Drop");
    addLabel(form, "lblFluidMaxPD", "Maximum (kPa)", "fraFluidPressureDrop",
             "Maximum Fluid Pressure Drop");
    addLabel(form, "lblFluidActualPD", "Actual  (kPa)", "fraFluidPressureDrop");
    addLabel(form, "lblFluidPDSupply", "Supply", "fraFluidPressureDrop");
    addTextBox(form, "txtFluidMaxPDSupply", "fraFluidPressureDrop", "50");
    addTextBox(form, "txtActualFluidPDSupply", "fraFluidPressureDrop");
    addLabel(form, "lblFluidPDExtract", "Extract", "fraFluidPressureDrop");
    addTextBox(form, "txtFluidMaxPDExtract", "fraFluidPressureDrop", "50");
    addTextBox(form, "txtActualFluidPDExtract", "fraFluidPressureDrop");
    addLabel(form, "lblFluidPDTotal", "Total", "fraFluidPressureDrop");
    addTextBox(form, "txtTotalMaxPD", "fraFluidPressureDrop", "100");
    addTextBox(form, "txtTotalActualPD", "fraFluidPressureDrop");
}

void addInputValues(Form& form) {
    addFrame(form, "Frame3", "Input Values");
    form.at("Frame3").setToolTip("Not available on current version of software");
    form.add(ControlKind::OptionButton, "optWB", "Frame3").setCaption("WB");
    form.add(ControlKind::OptionButton, "optRH", "Frame3").setCaption("RH");
}

void addMenu(Form& form, std::string_view name, std::string caption, std::string_view parent = {}) {
    platform::addCaptioned(form, ControlKind::MenuEntry, name, std::move(caption), parent);
}

void addMenus(Form& form) {
    addMenu(form, "mnuFile", "&File");
    addMenu(form, "mnuPrint", "&Print Window", "mnuFile");
    addMenu(form, "mnuExit", "E&xit", "mnuFile");

    addMenu(form, "mnuMode", "&Mode");
    addMenu(form, "mnuSelectionRating", "Selection/Rating", "mnuMode");
    addMenu(form, "mnuSelection", "Selection", "mnuSelectionRating");
    addMenu(form, "mnuRating", "Rating", "mnuSelectionRating");
    addMenu(form, "mnuDryWet", "Dry/Wet", "mnuMode");
    addMenu(form, "mnuDry", "Dry", "mnuDryWet");
    addMenu(form, "mnuWet", "Wet", "mnuDryWet");
    addMenu(form, "mnuDBEffDuty", "Air Off DB/Effectiveness/Duty", "mnuMode");
    addMenu(form, "mnuDBOff", "Air Off Dry Bulb Temperature", "mnuDBEffDuty");
    addMenu(form, "mnuEffectiveness", "Effectiveness", "mnuDBEffDuty");
    addMenu(form, "mnuDuty", "Duty", "mnuDBEffDuty");

    addMenu(form, "mnuHelp", "&Help");
    addMenu(form, "mnuRACHelp", "&ZYL RAC Help", "mnuHelp");
    addMenu(form, "mnuAbout", "&About", "mnuHelp");

    // Dry is the only operation there is; Wet stays unavailable.
    form.at("mnuSelection").setChecked(true);
    form.at("mnuDry").setChecked(true);
    form.at("mnuWet").setEnabled(false);
    form.at("mnuDBOff").setChecked(true);
}

void addToolbar(Form& form) {
    const std::pair<int, std::string_view> toolTips[] = {
        {kToolSelection, "Selection Mode"},
        {kToolRating, "Rating Mode"},
        {kToolDry, "Dry"},
        {kToolWet, "Wet (not available)"},
        {kToolAirOffDB, "Calculate Using Air Off Dry Bulb"},
        {kToolEffectiveness, "Calculate Using Effectiveness"},
        {kToolDuty, "Calculate Using Duty"},
        {kToolCalculate, "Execute Calculation"},
        {kToolCosting, "Costing"},
        {kToolPrintSummary, "Print Summary"},
        {kToolExit, "Exit Program"},
        {kToolHelp, "Help"},
    };
    platform::addToolbar(form, "Toolbar1", kToolbarButtons, toolTips);
}

void addStatusBar(Form& form) {
    for (int panel = 1; panel <= kStatusPanels; ++panel) {
        form.addElement(ControlKind::StatusPanel, "StatusBar1", panel);
    }
    form.at("StatusBar1", 1).setText(kApplicationTitle);
    auto& operation = form.at("StatusBar1", 3);
    operation.setText("Dry");
    operation.setPicture(kPictureDry);
}

} // namespace

bool isToolbarSeparator(int position) {
    return position == 3 || position == 6 || position == 10 || position == 13 || position == 15;
}

MainControls buildMainLayout(Form& form) {
    form.setTitle(std::string(kMainWindowTitle));
    addMenus(form);
    addToolbar(form);

    addAirState(form, "SupplyOn", "Supply On", "0");
    addAirState(form, "SupplyOff", "Supply Off", "10");
    addAirState(form, "ExtractOn", "Extract On", "20");
    addAirState(form, "ExtractOff", "Extract Off", "");
    addInputValues(form);
    addSchematic(form);
    for (const coil::CoilSide side : kBothSides) {
        addCoil(form, side);
    }
    addFluidSide(form);

    form.add(ControlKind::CommandButton, "cmdCalculate").setCaption("Calculate");
    form.add(ControlKind::CommandButton, "cmdCosting").setCaption("Costing");
    form.add(ControlKind::CommandButton, "cmdPrint").setCaption("Print");

    addStatusBar(form);
    form.add(ControlKind::Timer, "Timer1").setInterval(500);
    return MainControls(form);
}

} // namespace rac::mainscreen::layout
