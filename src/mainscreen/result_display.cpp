#include "coil/circuiting.h"
#include "foundation/flag_while.h"
#include "foundation/numbers.h"
#include "mainscreen/fluid_pd_text.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

#include <algorithm>
#include <cmath>

// Writing a finished calculation onto the screen, in the order the calculation produces it.
namespace rac::mainscreen {

using calculation::Target;
using numbers::Pattern;
using platform::Control;

namespace {

std::string displayed(float value, Pattern pattern) {
    return numbers::format(numbers::widen(value), pattern);
}

std::string percentText(float fraction, Pattern pattern) {
    return numbers::format(numbers::widen(fraction) * 100.0, pattern);
}

std::string dutyText(float duty) {
    return numbers::format(std::fabs(numbers::widen(duty)), Pattern::Whole);
}

bool isWholeFrom(double value, double low, double high) {
    return value >= low && value <= high && numbers::floorValue(value) == value;
}

} // namespace

void FrmMain::showResults() {
    // The writes of a finished calculation must not clear what they show.
    const FlagWhile showing(showingResults_);
    if (selectionMode()) {
        showTargetAirSide();
        for (const Side side : kBothSides) {
            showSelectedCoil(side);
        }
    } else {
        showRatedPair();
    }
    ui_.fluidFlowRate.setText(displayed(ctx_.data.FluidFlowRate, Pattern::OneDecimal));
    showTotalFluidPD();
}

void FrmMain::showTargetAirSide() {
    const calculation::RunAroundData& data = ctx_.data;
    showFaceVelocities();
    const auto showLoop = [&] {
        ui_.fluidT1.setText(displayed(data.FluidT1, Pattern::OneDecimal));
        ui_.fluidT2.setText(displayed(data.FluidT2, Pattern::OneDecimal));
    };
    const auto showSupplyOff = [&] {
        ui_.dbSupplyOff.setText(displayed(data.DBSupplyOff, Pattern::OneDecimal));
    };
    const auto showExtractOff = [&] {
        ui_.dbExtractOff.setText(displayed(data.DBExtractOff, Pattern::OneDecimal));
    };
    const auto showEffectiveness = [&] {
        ui_.effectiveness.setText(percentText(data.Effectiveness, Pattern::Whole));
    };
    const auto showDuty = [&] { ui_.duty.setText(dutyText(data.Duty)); };
    switch (target()) {
    case Target::AirOffDB:
        showExtractOff();
        showLoop();
        showEffectiveness();
        showDuty();
        break;
    case Target::Duty:
        showSupplyOff();
        showExtractOff();
        showLoop();
        showEffectiveness();
        break;
    case Target::Effectiveness:
        showDuty();
        showSupplyOff();
        showExtractOff();
        showLoop();
        break;
    }
}

void FrmMain::showSelectedCoil(Side side) {
    const calculation::RunAroundCoil& chosen = ctx_.data.coil(side);
    const CoilBlock& fields = block(side);
    fields.numberRows.setText(numbers::countText(chosen.NumberRows));
    // Both coils of the loop show the supply coil's connection size.
    fields.connectionSize.setText(side == Side::Supply ? chosen.ConnectionSize
                                                       : block(Side::Supply).connectionSize.text());

    // The lists show what the selection chose; under "Optimise" it is their only item.
    const double finDensity = numbers::widen(chosen.SelectedFinDensity);
    const std::string finDensityMode = fields.finDensitySelect.text();
    Control& finDensityList = fields.finDensity;
    if (finDensityMode == kOptimise) {
        finDensityList.clearItems();
        if (isWholeFrom(finDensity, 1, 14)) {
            finDensityList.addItem(numbers::countText(static_cast<long>(finDensity)));
            finDensityList.setListIndex(0);
        }
    } else if (isWholeFrom(finDensity, 4, 14)) {
        const std::string text = numbers::countText(static_cast<long>(finDensity));
        const auto& items = finDensityList.items();
        if (std::find(items.begin(), items.end(), text) != items.end()) {
            finDensityList.setText(text);
        }
    }
    if (fields.circuitTypeSelect.text() == kOptimise) {
        Control& circuitList = fields.circuitType;
        circuitList.clearItems();
        if (coil::isCircuitType(chosen.SelectedCircuitType)) {
            circuitList.addItem(chosen.SelectedCircuitType);
            circuitList.setListIndex(0);
        }
    }
    fields.coilCode.setText(chosen.CoilCode);
    fields.airPD.setText(displayed(chosen.AirPD, Pattern::OneDecimal));
    fields.actualFluidPD.setText(displayed(chosen.ActualFluidPD, Pattern::OneDecimal));
}

void FrmMain::showRatedPair() {
    const calculation::RunAroundData& data = ctx_.data;
    showFaceVelocities();
    ui_.duty.setText(dutyText(data.Duty));
    ui_.dbSupplyOff.setText(displayed(data.DBSupplyOff, Pattern::OneDecimal));
    ui_.dbExtractOff.setText(displayed(data.DBExtractOff, Pattern::OneDecimal));
    ui_.fluidT1.setText(displayed(data.FluidT1, Pattern::OneDecimal));
    ui_.fluidT2.setText(displayed(data.FluidT2, Pattern::OneDecimal));
    ui_.effectiveness.setText(percentText(data.Effectiveness, Pattern::OneDecimal));
    for (const Side side : kBothSides) {
        block(side).coilCode.setText(data.coil(side).CoilCode);
    }
    for (const Side side : kBothSides) {
        const calculation::RunAroundCoil& rated = data.coil(side);
        block(side).airPD.setText(displayed(rated.AirPD, Pattern::OneDecimal));
        Control& fluidPD = block(side).actualFluidPD;
        fluidPD.setText(displayed(rated.ActualFluidPD, Pattern::OneDecimal));
        fluidPD.setText(wholeAbove100(fluidPD.text()));
    }
    for (const Side side : kBothSides) {
        block(side).connectionSize.setText(data.coil(side).ConnectionSize);
    }
}

void FrmMain::showFaceVelocities() {
    for (const Side side : kBothSides) {
        block(side).faceVelocity.setText(
            displayed(ctx_.data.coil(side).AirVel, Pattern::TwoDecimals));
    }
}

void FrmMain::showTotalFluidPD() {
    ui_.totalActualPD.setText(totalFluidPDText(block(Side::Supply).actualFluidPD.text(),
                                               block(Side::Extract).actualFluidPD.text()));
}

} // namespace rac::mainscreen
