#include "calculation/coil_rating.h"

#include "calculation/coil_guard.h"
#include "calculation/coil_load.h"
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

void CalcCoilPerformance(CurrentCoil& c) {
    c.CapacityRatio = c.AirCapacityRate <= c.FluidCapacityRate
                          ? store(widen(c.AirCapacityRate) / widen(c.FluidCapacityRate))
                          : store(widen(c.FluidCapacityRate) / widen(c.AirCapacityRate));
    c.TotalResistance =
        store(widen(c.FluidResistance) + widen(c.AirResistance) + widen(c.FinResistance));
    coil::CalcEffectiveness(c);
}

bool CalcRatingFlow(CalcContext& ctx) {
    CurrentCoil& c = ctx.coil;
    c.DutyWatts =
        store(std::fabs(widen(c.AirOffTemp) - widen(c.AirOnTemp)) * widen(c.AirCapacityRate));
    const double fluidDifference = widen(c.FluidInTemp) - widen(c.FluidOutTemp);
    if (fluidDifference == 0.0) {
        StopCoilCalculation(c, ctx, CoilFault::NoFluidTemperatureDifference);
        return false;
    }
    c.FluidMassFlow = store(
        std::fabs(widen(ctx.data.Duty) * 1000.0 / (fluidDifference * widen(c.FluidSpecificHeat))));
    c.FluidCapacityRate = store(widen(c.FluidMassFlow) * widen(c.FluidSpecificHeat));
    const double smallerRate = c.FluidCapacityRate < c.AirCapacityRate ? widen(c.FluidCapacityRate)
                                                                       : widen(c.AirCapacityRate);
    if (smallerRate == 0.0) {
        StopCoilCalculation(c, ctx, CoilFault::NoCapacityRate);
        return false;
    }
    const double fluidToAir = std::fabs(widen(c.FluidInTemp) - widen(c.AirOnTemp));
    if (fluidToAir == 0.0) {
        StopCoilCalculation(c, ctx, CoilFault::AirOnAtFluidTemperature);
        return false;
    }
    c.RequiredEffectiveness = store(widen(c.DutyWatts) / (fluidToAir * smallerRate));
    c.FluidFlow = store(widen(c.FluidMassFlow) / widen(c.FluidDensity) * 1000.0);
    coil::SetFluidVelocity(c);
    coil::CalcTubeSideCoefficient(c);
    CalcCoilPerformance(c);
    return true;
}

void RateCoil(CalcContext& ctx) {
    CurrentCoil& c = ctx.coil;
    c.AirSpecificHeat = 1000.0f;
    c.AirDensity = 1.21f;
    ctx.CalcAbort = false;
    coil::CalcFluidProperties(c, ctx, ctx.data.GlycolSelect, ctx.data.GlycolPercent,
                              widen(c.MeanFluidTemp));
    if (ctx.CalcAbort) {
        return;
    }
    c.AirMassFlow = store(widen(c.AirVolume) * 1.21);
    c.AirCapacityRate = store(widen(c.AirMassFlow) * 1000.0);
    if (!coil::SetCoilGeometry(c)) {
        StopCoilCalculation(c, ctx, CoilFault::UnknownFinType);
        return;
    }
    // The air pressure drop runs before the surfaces here, so a thin fin's 0.25 mm thickness
    // is seen by the surfaces of a rated coil.
    coil::CalcAirSideCoefficient(c);
    coil::CalcAirPressureDrop(c);
    coil::CalcInsideArea(c);
    coil::SetFinResistance(c);
    coil::CalcCoilSurfaces(c);

    if (c.CircuitMode == "Number") {
        c.Circuits = c.CircuitNumber;
    } else if (c.CircuitMode == "Fixed") {
        c.Circuits = coil::circuitsForType(c.CircuitType, widen(c.TubesHigh)).value_or(0);
    } else {
        c.Circuits = 0; // rating offers no circuit search
    }
    if (c.Circuits <= 0) {
        StopCoilCalculation(c, ctx, CoilFault::NoCircuits);
        return;
    }
    if (!CalcRatingFlow(ctx)) {
        return;
    }
    coil::CalcFluidPressureDrop(c);
    coil::BuildCoilCode(c);
    coil::SetConnectionSize(c);
    if (!CoilResultsFinite(c)) {
        StopCoilCalculation(c, ctx, CoilFault::NotFinite);
    }
}

void RateCoilOnSide(CalcContext& ctx, coil::CoilSide side) {
    LoadCurrentCoil(ctx, side, RowsSource::Entered);
    RateCoil(ctx);
    if (ctx.CalcAbort) {
        return;
    }
    const CurrentCoil& c = ctx.coil;
    RunAroundCoil& entry = ctx.data.coil(side);
    entry.AchievedEff = c.Effectiveness;
    entry.RequiredEff = c.RequiredEffectiveness;
    StoreCoilResults(ctx, side);
}

} // namespace rac::calculation
