#include "mainscreen/main_controls.h"

#include "mainscreen/main_layout.h"
#include "mainscreen/side_names.h"

namespace rac::mainscreen {

CoilBlock::CoilBlock(platform::Form& form, coil::CoilSide side)
    : tubeDiameter(form.at(sided("cmbTubeDiameter", side))),
      finMatType(form.at(sided("cmbFinMatType", side))),
      finDensitySelect(form.at(sided("cmbFinDensitySelect", side))),
      finDensity(form.at(sided("cmbFinDensity", side))),
      circuitTypeSelect(form.at(sided("cmbCircuitTypeSelect", side))),
      circuitType(form.at(sided("cmbCircuitType", side))),
      tubesHigh(form.at(sided("txtTubesHigh", side))),
      finnedHeight(form.at(sided("txtFinnedHeight", side))),
      finnedLength(form.at(sided("txtFinnedLength", side))),
      numberSections(form.at(sided("txtNumberSections", side))),
      numberRows(form.at(sided("txtNumberRows", side))),
      coilCode(form.at(sided("txtCoilCode", side))),
      connectionSize(form.at(sided("txtConnectionSize", side))),
      airPD(form.at(sided("txtAirPD", side))),
      actualFluidPD(form.at(sided("txtActualFluidPD", side))),
      fluidMaxPD(form.at(sided("txtFluidMaxPD", side))),
      airVolume(form.at(sided("txtAirVol", side))),
      faceVelocity(form.at(sided("txtAirVel", side))) {}

MainControls::MainControls(platform::Form& form)
    : blocks{CoilBlock(form, coil::CoilSide::Supply), CoilBlock(form, coil::CoilSide::Extract)},
      dbSupplyOn(form.at("txtDBSupplyOn")), dbSupplyOff(form.at("txtDBSupplyOff")),
      dbExtractOn(form.at("txtDBExtractOn")), dbExtractOff(form.at("txtDBExtractOff")),
      effectiveness(form.at("txtEffectiveness")), duty(form.at("txtDuty")),
      fluidT1(form.at("txtFluidT1")), fluidT2(form.at("txtFluidT2")),
      fluidFlowRate(form.at("txtFluidFlowRate")), glycolSelect(form.at("cmbGlycolSelect")),
      glycol(form.at("txtGlycol")), totalMaxPD(form.at("txtTotalMaxPD")),
      totalActualPD(form.at("txtTotalActualPD")), maxFluidPDLabel(form.at("lblFluidMaxPD")),
      calculateButton(form.at("cmdCalculate")), costingButton(form.at("cmdCosting")),
      printButton(form.at("cmdPrint")), costingTool(form.at("Toolbar1", layout::kToolCosting)),
      printSummaryTool(form.at("Toolbar1", layout::kToolPrintSummary)),
      modePanel(form.at("StatusBar1", layout::kModePanel)),
      targetPanel(form.at("StatusBar1", layout::kTargetPanel)),
      selectionMenu(form.at("mnuSelection")), ratingMenu(form.at("mnuRating")),
      targetsMenu(form.at("mnuDBEffDuty")), airOffDBMenu(form.at("mnuDBOff")),
      effectivenessMenu(form.at("mnuEffectiveness")), dutyMenu(form.at("mnuDuty")),
      supplyDuct(form.at("shpSupplyDuct")), extractDuct(form.at("shpExtractDuct")),
      timer(form.at("Timer1")) {}

} // namespace rac::mainscreen
