#include "costing/frm_costing.h"
#include "costing/frm_costing_breakdown.h"
#include "costmodel/coil_block.h"
#include "costmodel/countries.h"
#include "foundation/flag_while.h"
#include "foundation/numbers.h"
#include "mainscreen/side_names.h"

#include <array>

namespace rac::costing {

using costmodel::CoilCosting;
using numbers::Pattern;
using platform::MousePointer;

namespace {

// The record's option flags, in the order of the option boxes.
constexpr std::array<int16_t CoilCosting::*, 10> kOptionFlags{
    &CoilCosting::Eliminators,  &CoilCosting::Stiffeners, &CoilCosting::Nutserts,
    &CoilCosting::GAM,          &CoilCosting::ThickTube,  &CoilCosting::VentDrain,
    &CoilCosting::TestPoints,   &CoilCosting::Blygold,    &CoilCosting::ETAM,
    &CoilCosting::PreTinnedFins};

double shownNumber(const platform::Control& box) {
    return numbers::leadingNumber(box.text());
}

std::string inPattern(float value, Pattern pattern) {
    return numbers::format(numbers::widen(value), pattern);
}

} // namespace

void FrmCosting::CalculateCost() {
    setMousePointer(MousePointer::Wait);
    calc_.CalcAbort = false;
    ValidateCostingInputs();
    for (const Side which : mainscreen::kBothSides) {
        if (calc_.CalcAbort) {
            setMousePointer(MousePointer::Normal);
            return;
        }
        costCoil(which);
    }
    if (calc_.CalcAbort) {
        setMousePointer(MousePointer::Normal);
        return;
    }
    showTotals();
    shell_.CostingBreakdown().ShowCarriageCost(state_.CoilCosting.CarriageCost);
    ValidatePaybackInputs();
    setMousePointer(MousePointer::Normal);
    SavePaybackSettings();
    // A payback input that failed its check was emptied, and the prices went with it: there is
    // nothing to print.
    if (calc_.CalcAbort) {
        return;
    }
    ui_.printButton.setEnabled(true);
    ui_.reportTool.setEnabled(true);
    costingDone_ = true;
}

// Prices one coil and shows it. A coil that cannot be priced stops the costing, and nothing of
// it, nor of the coil priced before it, is left on the screens.
void FrmCosting::costCoil(Side which) {
    readCoil(which);
    CoilCosting& costing = state_.CoilCosting;
    costmodel::LoadPriceTable(state_.PriceTable, enteredGrossMargin());
    costmodel::CostCoilBlock(costing, state_.PriceTable, which, calc_);
    if (calc_.CalcAbort) {
        ClearCostingOutputs();
        return;
    }
    showCoil(which);
    costmodel::CalcLabourBreakdown(costing, state_.PriceTable, which, calc_);
    if (calc_.CalcAbort) {
        ClearCostingOutputs();
        return;
    }
    shell_.CostingBreakdown().ShowCoil(which, costing);
    showEliminatorPressureDrop(which);
}

// The coil as the main screen shows it after the last calculation, with the costing screen's
// choices for it.
void FrmCosting::readCoil(Side which) {
    CoilCosting& costing = state_.CoilCosting;
    const mainscreen::CoilBlock& coil = mainCoil(which);
    costing.Rows = numbers::toCount(shownNumber(coil.numberRows));
    costing.FinDensity = numbers::store(shownNumber(coil.finDensity));
    costing.TubeDiameter = coil.tubeDiameter.text();
    costing.FinType = coil.finMatType.text();
    costing.TubesHigh = numbers::store(shownNumber(coil.tubesHigh));
    costing.FinnedLength = numbers::store(shownNumber(coil.finnedLength));
    costing.CircuitType = coil.circuitType.text();
    // Circuits entered by number are costed as entered; a lettered type ignores it.
    costing.CircuitNumber = numbers::toCount(shownNumber(coil.circuitType));
    costing.ConnectionSize = coil.connectionSize.text();
    costing.Sections = numbers::toCount(shownNumber(coil.numberSections));
    costing.Headers = calc_.data.coil(which).Headers;

    const CostingSide& fields = side(which);
    costing.CasingStyle = fields.casingStyle.text();
    costing.CasingMaterial = fields.casingMaterial.text();
    costing.Drainpan = fields.drainpan.text();
    costing.CasingDepthSelect = fields.casingDepthSelect.text();
    if (!fields.casingDepth.text().empty()) {
        costing.CasingDepth = numbers::store(shownNumber(fields.casingDepth));
    }
    for (std::size_t i = 0; i < kOptionFlags.size(); ++i) {
        costing.*kOptionFlags[i] = fields.options[i]->value() == 1 ? 1 : 0;
    }
    costing.BrazeMaterial = fields.brazeMat.text();
    costing.DrainpanMaterial = fields.drainpanMaterial.text();
    costing.ConnectionFlanges = fields.connectionFlanges.value() != 1 ? "None"
                                : fields.welded.value() == 1          ? "Welded"
                                : fields.screwed.value() == 1         ? "Screwed"
                                                                      : "None";
}

std::optional<double> FrmCosting::enteredGrossMargin() const {
    if (ui_.grossMarginTick.value() != 1) {
        return std::nullopt;
    }
    return shownNumber(ui_.grossMargin);
}

void FrmCosting::showCoil(Side which) {
    const FlagWhile showing(showingResults_);
    const CoilCosting& costing = state_.CoilCosting;
    const CostingSide& fields = side(which);
    fields.sellPrice.setText(inPattern(costing.SellPrice, Pattern::Whole));
    // The depth in use, so that a standard depth can be seen.
    fields.casingDepth.setText(inPattern(costing.CasingDepth, Pattern::Whole));
    fields.totalWeight.setText(inPattern(costing.TotalWeight, Pattern::OneDecimal));
    fields.internalVolume.setText(inPattern(costing.InternalVolume, Pattern::OneDecimal));
    ui_.breakdownButton.setEnabled(true);
}

// Eliminators add to the coil's air pressure drop on the main screen (both in Pa).
void FrmCosting::showEliminatorPressureDrop(Side which) {
    const calculation::RunAroundCoil& coil = calc_.data.coil(which);
    platform::Control& airPD = mainCoil(which).airPD;
    if (side(which).eliminators.value() != 1) {
        airPD.setText(inPattern(coil.AirPD, Pattern::OneDecimal));
        return;
    }
    const std::string sideName(mainscreen::sideSuffix(which));
    tell(sideName + " Eliminator Pressure Drop Added",
         "The " + std::string(mainscreen::sideWord(which)) +
             " air pressure drop has been increased from " + numbers::shortestText(coil.AirPD) +
             " Pa to " + numbers::shortestText(coil.TotalAirPD) + " Pa to include eliminators.");
    airPD.setText(inPattern(coil.TotalAirPD, Pattern::OneDecimal));
}

// The totals add what the coils' boxes show, so they agree with the rounded figures on the
// screen; the local price converts the total as shown.
void FrmCosting::showTotals() {
    const CostingSide& supply = side(Side::Supply);
    const CostingSide& extract = side(Side::Extract);
    const auto total = [](const platform::Control& a, const platform::Control& b) {
        return numbers::shortestText(costmodel::RunAroundTotal(a.text(), b.text()));
    };
    ui_.totalWeight.setText(total(supply.totalWeight, extract.totalWeight));
    ui_.totalInternalVolume.setText(total(supply.internalVolume, extract.internalVolume));
    ui_.totalSterling.setText(total(supply.sellPrice, extract.sellPrice));
    ui_.totalForeign.setText(numbers::format(
        costmodel::LocalExWorksPrice(ui_.totalSterling.text(), ui_.exchangeRate.text()),
        Pattern::Whole));
}

} // namespace rac::costing
