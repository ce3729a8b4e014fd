#include "costing/costing_controls.h"

#include "costing/costing_layout.h"
#include "mainscreen/side_names.h"

namespace rac::costing {

using mainscreen::sided;

namespace {

std::array<platform::Control*, 10> optionBoxes(platform::Form& form, coil::CoilSide side) {
    std::array<platform::Control*, 10> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = &form.at(sided(layout::kOptionBoxes[i], side));
    }
    return boxes;
}

} // namespace

CostingSide::CostingSide(platform::Form& form, coil::CoilSide side)
    : casingStyle(form.at(sided("cmbCasingStyle", side))),
      casingMaterial(form.at(sided("cmbCasingMaterial", side))),
      drainpan(form.at(sided("cmbDrainpan", side))),
      drainpanMaterial(form.at(sided("cmbDrainpanMaterial", side))),
      casingDepthSelect(form.at(sided("cmbCasingDepthSelect", side))),
      casingDepth(form.at(sided("txtCasingDepth", side))), options(optionBoxes(form, side)),
      eliminators(*options[0]), stiffeners(*options[1]), nutserts(*options[2]), gam(*options[3]),
      thickTube(*options[4]), ventDrain(*options[5]), testPoints(*options[6]), blygold(*options[7]),
      etam(*options[8]), preTinnedFins(*options[9]), brazeMat(form.at(sided("cmbBrazeMat", side))),
      connectionFlanges(form.at(sided("chkConnectionFlanges", side))),
      welded(form.at(sided("optWelded", side))), screwed(form.at(sided("optScrewed", side))),
      coilCode(form.at(sided("txtCoilCode", side))),
      sellPrice(form.at(sided("txtSellPrice", side))),
      totalWeight(form.at(sided("txtTotalWeight", side))),
      internalVolume(form.at(sided("txtInternalVolume", side))) {}

CostingControls::CostingControls(platform::Form& form)
    : sides{CostingSide(form, coil::CoilSide::Supply), CostingSide(form, coil::CoilSide::Extract)},
      totalSterling(form.at("txtTotalRACExWorksPriceSterling")),
      totalForeign(form.at("txtTotalRACExWorksPriceForeign")),
      totalForeignLabel(form.at("lblExWorksPriceForeign")),
      totalWeight(form.at("txtTotalRACWeight")),
      totalInternalVolume(form.at("txtTotalRACInternalVolume")),
      grossMarginTick(form.at("chkGrossMargin")), grossMargin(form.at("txtGrossMargin")),
      country(form.at("cmbCountry")), energyCostLabel(form.at("lblenergycost")),
      energyCost(form.at("txtEnergyCost")), exchangeRateLabel(form.at("lblExchangeRate")),
      exchangeRate(form.at("txtExchangeRate")), runHoursLabel(form.at("lblannual")),
      runHours(form.at("txtAnnualRunHours")), paybackDesign(form.at("optPaybackDesign")),
      binPayback(form.at("optBinPayback")), binData(form.at("cmdBinData")),
      selectedBinCountry(form.at("txtSelectedBinCountry")),
      annualEnergySaving(form.at("txtAnnualEnergySaving")),
      annualCostSavingLabel(form.at("lblAnnualEnergyCostSaving")),
      annualCostSaving(form.at("txtAnnualEnergyCostSaving")), payback(form.at("txtPayBackCost")),
      calculateButton(form.at("cmdCalculateCost")), breakdownButton(form.at("cmdCostingBreakdown")),
      printButton(form.at("cmdPrint")), reportTool(form.at("Toolbar1", layout::kToolReport)) {}

} // namespace rac::costing
