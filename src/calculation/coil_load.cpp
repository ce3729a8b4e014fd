#include "calculation/coil_load.h"

#include "foundation/numbers.h"

namespace rac::calculation {

void LoadCurrentCoil(CalcContext& ctx, coil::CoilSide side, RowsSource rows) {
    const RunAroundData& data = ctx.data;
    const RunAroundCoil& entry = data.coil(side);
    const bool supply = side == coil::CoilSide::Supply;
    coil::CurrentCoil& c = ctx.coil;

    c.Side = side;
    c.FluidInTemp = supply ? data.FluidT2 : data.FluidT1;
    c.FluidOutTemp = supply ? data.FluidT1 : data.FluidT2;
    c.MeanFluidTemp =
        numbers::store((static_cast<double>(data.FluidT1) + static_cast<double>(data.FluidT2)) / 2);
    c.AirOnTemp = supply ? data.DBSupplyOn : data.DBExtractOn;
    c.AirOffTemp = supply ? data.DBSupplyOff : data.DBExtractOff;
    c.AirVolume = supply ? data.AirVolSupply : data.AirVolExtract;
    c.Sections = entry.NumberSections;
    c.TubeDiameter = entry.TubeDiameter;
    c.FinType = entry.FinMatType;
    c.FaceArea = entry.FaceArea;
    c.FaceVelocity = entry.AirVel;
    c.FinnedLength = entry.FinnedLength;
    c.FinDensity = entry.FinDensity;
    c.FinDensityMode = entry.FinDensitySelect;
    if (entry.FinDensitySelect == "Maximum") {
        c.MaxFinDensity = numbers::toCount(entry.FinDensity);
    }
    c.TubesHigh = entry.TubesHigh;
    c.CircuitNumber = entry.CircuitNumber;
    c.CircuitMode = entry.CircuitTypeSelect;
    if (entry.CircuitTypeSelect != "Optimise") {
        c.CircuitType = entry.CircuitType;
    }
    c.MaxFluidPD = entry.FluidMaxPD;
    if (rows == RowsSource::Entered) {
        c.Rows = entry.NumberRows;
    }
}

void StoreCoilResults(CalcContext& ctx, coil::CoilSide side) {
    const coil::CurrentCoil& c = ctx.coil;
    RunAroundCoil& entry = ctx.data.coil(side);
    entry.CoilCode = c.CoilCode;
    entry.TotalAirPD = c.TotalAirPD;
    entry.AirPD = c.CoilAirPD;
    entry.ActualFluidPD = c.FluidPD;
    entry.ConnectionSize = c.ConnectionSize;
    entry.Headers = c.Headers;
    if (side == coil::CoilSide::Supply) {
        ctx.data.DutyWattsSupply = c.DutyWatts;
    }
    ctx.data.FluidFlowRate = c.FluidFlow;
}

} // namespace rac::calculation
