#include "calculation/air_side.h"

#include "foundation/numbers.h"

#include <cmath>

namespace rac::calculation {

using numbers::store;
using numbers::widen;

void CalcFaceAreas(RunAroundData& data) {
    for (RunAroundCoil* coil : {&data.Supply, &data.Extract}) {
        coil->FaceArea =
            store(widen(coil->FinnedLength) / 1000.0 * (widen(coil->FinnedHeight) / 1000.0));
    }
    data.Supply.AirVel = store(widen(data.AirVolSupply) / widen(data.Supply.FaceArea));
    data.Extract.AirVel = store(widen(data.AirVolExtract) / widen(data.Extract.FaceArea));
    if (data.AirVolSupply < data.AirVolExtract) {
        data.AirVolMax = data.AirVolExtract;
        data.AirVolMin = data.AirVolSupply;
    } else {
        data.AirVolMax = data.AirVolSupply;
        data.AirVolMin = data.AirVolExtract;
    }
}

void CalcExtractOffFromSupplyOff(RunAroundData& data) {
    data.DBExtractOff =
        store(widen(data.DBExtractOn) - (widen(data.DBSupplyOff) - widen(data.DBSupplyOn)) *
                                            widen(data.AirVolSupply) / widen(data.AirVolExtract));
}

void CalcSupplyOffFromDuty(RunAroundData& data) {
    data.DBSupplyOff = store(
        widen(data.Duty) * 1000.0 /
            (widen(data.AirVolSupply) * widen(data.AirDensity) * widen(data.AirSpecificHeat)) +
        widen(data.DBSupplyOn));
}

void CalcEffectivenessFromAirTemperatures(RunAroundData& data) {
    data.Effectiveness =
        store((widen(data.DBSupplyOff) - widen(data.DBSupplyOn)) * widen(data.AirVolSupply) /
              ((widen(data.DBExtractOn) - widen(data.DBSupplyOn)) * widen(data.AirVolMin)));
}

void CalcMaxDuty(RunAroundData& data) {
    data.MaxDuty =
        store((widen(data.DBExtractOn) - widen(data.DBSupplyOn)) * widen(data.AirVolMin) *
              widen(data.AirDensity) * widen(data.AirSpecificHeat) / 1000.0);
}

void EstimateLoopTemperatures(RunAroundData& data) {
    const double supplyOn = widen(data.DBSupplyOn);
    const double supplyOff = widen(data.DBSupplyOff);
    const double extractOn = widen(data.DBExtractOn);
    const double extractOff = widen(data.DBExtractOff);
    data.FluidT1 = store(supplyOn + 0.67 * (extractOff - supplyOn));
    data.FluidT2 = store(supplyOff + 0.33 * (extractOn - supplyOff));
    // The differences are signed: in cooling both fall below 2 K and both take the midpoints.
    if (store(extractOff - widen(data.FluidT1)) < 2.0f) {
        data.FluidT1 = store(supplyOn + 0.5 * (extractOff - supplyOn));
    }
    if (store(widen(data.FluidT2) - supplyOff) < 2.0f) {
        data.FluidT2 = store(supplyOff + 0.5 * (extractOn - supplyOff));
    }
}

void CalcTargetAirSide(CalcContext& ctx, Target target) {
    RunAroundData& data = ctx.data;
    data.AirSpecificHeat = 1000.0f;
    data.AirDensity = 1.21f;
    CalcFaceAreas(data);
    if (data.DBSupplyOn == data.DBExtractOn) {
        ctx.abortWith(information(
            "Inputs Not Compatible",
            "The supply on temperature cannot be equal to the extract on temperature."));
        return;
    }
    switch (target) {
    case Target::AirOffDB:
        CalcExtractOffFromSupplyOff(data);
        EstimateLoopTemperatures(data);
        CalcEffectivenessFromAirTemperatures(data);
        CalcMaxDuty(data);
        data.Duty = store(widen(data.MaxDuty) * widen(data.Effectiveness));
        break;
    case Target::Duty:
        if (data.DBSupplyOn > data.DBExtractOn) {
            data.Duty = -data.Duty; // the supply air is to be cooled
        }
        CalcSupplyOffFromDuty(data);
        CalcExtractOffFromSupplyOff(data);
        EstimateLoopTemperatures(data);
        CalcEffectivenessFromAirTemperatures(data);
        break;
    case Target::Effectiveness:
        CalcMaxDuty(data);
        data.Duty = store(widen(data.Effectiveness) / 100.0 * widen(data.MaxDuty));
        CalcSupplyOffFromDuty(data);
        CalcExtractOffFromSupplyOff(data);
        EstimateLoopTemperatures(data);
        break;
    }
}

} // namespace rac::calculation
