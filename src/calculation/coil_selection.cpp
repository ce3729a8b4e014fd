#include "calculation/coil_selection.h"

#include "calculation/coil_guard.h"
#include "calculation/coil_load.h"
#include "coil/catalogue.h"
#include "coil/circuiting.h"
#include "coil/coil_code.h"
#include "coil/coil_geometry.h"
#include "coil/fluid_properties.h"
#include "coil/heat_transfer.h"
#include "coil/pressure_drop.h"
#include "foundation/numbers.h"

#include <cmath>

namespace rac::calculation {

using coil::CurrentCoil;
using numbers::store;
using numbers::widen;

namespace {

constexpr int kMaxRows = 16;

// Duty, loop flow, capacity rates and the effectiveness the coil must exceed. False when the
// coil has no temperature difference or capacity rate to work with (the message is shown).
bool CalcSelectionDuty(CalcContext& ctx) {
    CurrentCoil& c = ctx.coil;
    c.AirSpecificHeat = 1000.0f;
    c.AirDensity = 1.21f;
    c.DutyWatts = store(
        std::fabs(widen(c.AirVolume) * 1.21 * 1000.0 * (widen(c.AirOffTemp) - widen(c.AirOnTemp))));
    const double fluidDifference = widen(c.FluidInTemp) - widen(c.FluidOutTemp);
    if (fluidDifference == 0.0) {
        StopCoilCalculation(c, ctx, CoilFault::NoFluidTemperatureDifference);
        return false;
    }
    c.FluidMassFlow =
        store(std::fabs(widen(c.DutyWatts) / (fluidDifference * widen(c.FluidSpecificHeat))));
    c.FluidFlow = store(widen(c.FluidMassFlow) / widen(c.FluidDensity) * 1000.0);
    c.DutyKW = store(widen(c.DutyWatts) / 1000.0);

    c.AirMassFlow = store(widen(c.AirVolume) * 1.21);
    c.AirCapacityRate = store(widen(c.AirMassFlow) * 1000.0);
    c.FluidCapacityRate = store(widen(c.FluidMassFlow) * widen(c.FluidSpecificHeat));
    double smallerRate = 0;
    if (c.AirCapacityRate <= c.FluidCapacityRate) {
        c.CapacityRatio = store(widen(c.AirCapacityRate) / widen(c.FluidCapacityRate));
        smallerRate = widen(c.AirCapacityRate);
    } else {
        c.CapacityRatio = store(widen(c.FluidCapacityRate) / widen(c.AirCapacityRate));
        smallerRate = widen(c.FluidCapacityRate);
    }
    if (smallerRate == 0.0) {
        StopCoilCalculation(c, ctx, CoilFault::NoCapacityRate);
        return false;
    }
    const double airToFluid = std::fabs(widen(c.AirOnTemp) - widen(c.FluidInTemp));
    if (airToFluid == 0.0) {
        StopCoilCalculation(c, ctx, CoilFault::AirOnAtFluidTemperature);
        return false;
    }
    c.RequiredEffectiveness = store(std::fabs(widen(c.AirOnTemp) - widen(c.AirOffTemp)) *
                                    widen(c.AirCapacityRate) / (airToFluid * smallerRate));
    return true;
}

bool FinDensityIsSearched(const CurrentCoil& c) {
    return c.FinDensityMode != "Fixed";
}

// Vinyl coated fins start two fins per inch higher when the search chooses the fin density.
bool StartsHigher(const CurrentCoil& c) {
    return coil::isVinylCoated(c.FinType) &&
           (c.FinDensityMode == "Maximum" || c.FinDensityMode == "Optimise");
}

// Circuits by circuit mode for the first row count. False when the coil has no circuits.
bool SetSearchCircuits(CalcContext& ctx) {
    CurrentCoil& c = ctx.coil;
    if (c.CircuitMode == "Optimise") {
        coil::OptimiseCircuits(c);
    } else {
        c.Circuits = c.CircuitMode == "Number"
                         ? c.CircuitNumber
                         : coil::circuitsForType(c.CircuitType, widen(c.TubesHigh)).value_or(0);
        coil::SetFluidVelocity(c);
    }
    if (c.Circuits <= 0) {
        StopCoilCalculation(c, ctx, CoilFault::NoCircuits);
        return false;
    }
    return true;
}

void EvaluateTrial(CurrentCoil& c) {
    coil::SetFinResistance(c);
    coil::CalcCoilSurfaces(c);
    coil::CalcTubeSideCoefficient(c);
    c.TotalResistance =
        store(widen(c.FluidResistance) + widen(c.AirResistance) + widen(c.FinResistance));
    coil::CalcEffectiveness(c);
}

void ShowRowLimit(CalcContext& ctx) {
    coil::SetCoilLabel(ctx.coil);
    ctx.abortWith(information(
        "Number of Rows Required Greater Than Maximum Allowed - " + ctx.coil.CoilLabel,
        "The number of rows required is greater than the maximum allowed for economic coil "
        "selection for the given input conditions. Increasing the number of rows beyond 16 will "
        "not generally provide increases in performance that can be justified in terms of "
        "additional cost. Coil selection cannot therefore be achieved. Remedies include "
        "increasing overall coil dimensions, reducing the difference between on - off "
        "temperatures, reducing required duty, reducing required effectiveness and increasing "
        "maximum pressure drops required. If you cannot select a run around coil to satisfy your "
        "requirements, please contact ZYL for further assistance."));
}

// Walks up through fin densities and rows until the effectiveness exceeds the requirement.
// False when the row limit or a non-finite trial stops the calculation.
bool SearchFinsAndRows(CalcContext& ctx) {
    CurrentCoil& c = ctx.coil;
    const bool searched = FinDensityIsSearched(c);
    while (!(c.RequiredEffectiveness < c.Effectiveness)) {
        if (searched) {
            c.FinDensity = store(widen(c.FinDensity) + 2.0);
        }
        c.SearchPass = store(widen(c.SearchPass) + 1.0);
        if (c.SearchPass != 1.0f && (!searched || c.FinDensity > c.FinDensityLimit)) {
            if (c.Rows == kMaxRows) {
                ShowRowLimit(ctx);
                return false;
            }
            c.Rows = static_cast<int16_t>(c.Rows < 4 ? c.Rows + 1 : c.Rows + 2);
            if (c.CircuitMode == "Optimise") {
                coil::OptimiseCircuits(c);
            }
            if (searched) {
                c.FinDensity = StartsHigher(c) ? 8.0f : 6.0f;
            }
        }
        EvaluateTrial(c);
        if (!std::isfinite(c.Effectiveness)) {
            StopCoilCalculation(c, ctx, CoilFault::NotFinite);
            return false;
        }
    }
    return true;
}

// Coil code, air pressure drop, connection size, the fixed-circuit checks and the messages
// that tell the engineer when the fluid pressure drop is over the maximum.
void FinishSelection(CalcContext& ctx) {
    CurrentCoil& c = ctx.coil;
    coil::BuildCoilCode(c);
    coil::CalcAirPressureDrop(c);
    if (c.CircuitsExhausted) {
        coil::SetCoilLabel(c);
        ctx.messages.show(information(
            "High Fluid Pressure Drop - " + c.CoilLabel,
            "Coil could not be selected with desired max fluid pressure drop. Best solution "
            "possible selected."));
    }
    if (c.CircuitMode == "Optimise") {
        coil::SetConnectionSize(c);
        return;
    }
    if (c.CircuitMode == "Fixed") {
        coil::CheckCoilConfiguration(c, ctx);
        if (ctx.CalcAbort) {
            return;
        }
    }
    coil::CalcFluidPressureDrop(c);
    coil::SetConnectionSize(c);
    if (c.FluidPD > c.MaxFluidPD) {
        coil::SetCoilLabel(c);
        ctx.messages.show(information(
            "Fluid Pressure Drop > Maximum Specified - " + c.CoilLabel,
            "Circuit Type has been fixed to a number of circuits or a particular circuit "
            "configuration. As a result the fluid pressure drop is greater than the maximum "
            "specified. This is an information screen - the calculation has otherwise been "
            "executed correctly."));
    }
}

void ShowFinThicknessNotice(CalcContext& ctx, coil::CoilSide side) {
    const bool supply = side == coil::CoilSide::Supply;
    ctx.messages.show(information(
        supply ? "Fin Thickness Adjusted - Supply Coil." : "Fin Thickness Adjusted - Extract Coil",
        std::string(supply ? "The supply" : "The extract") +
            " coil fin thickness has been increased to 0.25mm to accommodate the selected fin "
            "spacing."));
}

} // namespace

void SelectCoil(CalcContext& ctx) {
    CurrentCoil& c = ctx.coil;
    coil::CalcFluidProperties(c, ctx, ctx.data.GlycolSelect, ctx.data.GlycolPercent,
                              widen(c.MeanFluidTemp));
    if (ctx.CalcAbort || !CalcSelectionDuty(ctx)) {
        return;
    }
    if (!coil::SetCoilGeometry(c)) {
        StopCoilCalculation(c, ctx, CoilFault::UnknownFinType);
        return;
    }
    coil::CalcAirSideCoefficient(c);
    coil::CalcInsideArea(c);

    c.Rows = 1;
    c.Effectiveness = 0;
    c.SearchPass = 0;
    c.CircuitsExhausted = false; // a flag left by the other coil's search must not leak in
    if (FinDensityIsSearched(c)) {
        c.FinDensity = 4;
    }
    if (StartsHigher(c)) {
        c.FinDensity = 6;
    }
    c.FinDensityLimit = 12;
    if (c.FinDensityMode == "Maximum") {
        c.FinDensityLimit = c.MaxFinDensity;
    }
    if (!SetSearchCircuits(ctx) || !SearchFinsAndRows(ctx)) {
        return;
    }
    FinishSelection(ctx);
    if (!ctx.CalcAbort && !CoilResultsFinite(c)) {
        StopCoilCalculation(c, ctx, CoilFault::NotFinite);
    }
}

void SelectCoilOnSide(CalcContext& ctx, coil::CoilSide side) {
    LoadCurrentCoil(ctx, side, RowsSource::Searched);
    SelectCoil(ctx);
    if (ctx.CalcAbort) {
        return;
    }
    const CurrentCoil& c = ctx.coil;
    RunAroundCoil& entry = ctx.data.coil(side);
    entry.NumberRows = c.Rows;
    entry.SelectedFinDensity = c.FinDensity;
    if (c.FinDensity != 0 && c.FinDensity < 7 && coil::isThinAluminium(entry.FinMatType)) {
        ShowFinThicknessNotice(ctx, side);
    }
    entry.SelectedCircuitType = c.CircuitType;
    StoreCoilResults(ctx, side);
}

} // namespace rac::calculation
