#include "calculation/air_side.h"

#include "platform/numbers.h"

#include <cmath>

namespace rac::calculation {

using numbers::store;

namespace {

double d(float value) {
    return static_cast<double>(value);
}

} // namespace

void CalcFaceAreas(RunAroundData& data) {
    for (RunAroundCoil* coil : {&data.Supply, &data.Extract}) {
        coil->FaceArea = store(d(coil->FinnedLength) / 1000.0 * (d(coil->FinnedHeight) / 1000.0));
    }
    data.Supply.AirVel = store(d(data.AirVolSupply) / d(data.Supply.FaceArea));
    data.Extract.AirVel = store(d(data.AirVolExtract) / d(data.Extract.FaceArea));
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
        store(d(data.DBExtractOn) - (d(data.DBSupplyOff) - d(data.DBSupplyOn)) *
                                        d(data.AirVolSupply) / d(data.AirVolExtract));
}

void CalcSupplyOffFromDuty(RunAroundData& data) {
    data.DBSupplyOff =
        store(d(data.Duty) * 1000.0 /
                  (d(data.AirVolSupply) * d(data.AirDensity) * d(data.AirSpecificHeat)) +
              d(data.DBSupplyOn));
}

void CalcEffectivenessFromAirTemperatures(RunAroundData& data) {
    data.Effectiveness = store((d(data.DBSupplyOff) - d(data.DBSupplyOn)) * d(data.AirVolSupply) /
                               ((d(data.DBExtractOn) - d(data.DBSupplyOn)) * d(data.AirVolMin)));
}

void CalcMaxDuty(RunAroundData& data) {
    data.MaxDuty = store((d(data.DBExtractOn) - d(data.DBSupplyOn)) * d(data.AirVolMin) *
                         d(data.AirDensity) * d(data.AirSpecificHeat) / 1000.0);
}

void EstimateLoopTemperatures(RunAroundData& data) {
    const double supplyOn = d(data.DBSupplyOn);
    const double supplyOff = d(data.DBSupplyOff);
    const double extractOn = d(data.DBExtractOn);
    const double extractOff = d(data.DBExtractOff);
    data.FluidT1 = store(supplyOn + 0.67 * (extractOff - supplyOn));
    data.FluidT2 = store(supplyOff + 0.33 * (extractOn - supplyOff));
    // The differences are signed: in cooling both fall below 2 K and both take the midpoints.
    if (store(extractOff - d(data.FluidT1)) < 2.0f) {
        data.FluidT1 = store(supplyOn + 0.5 * (extractOff - supplyOn));
    }
    if (store(d(data.FluidT2) - supplyOff) < 2.0f) {
        data.FluidT2 = store(supplyOff + 0.5 * (extractOn - supplyOff));
    }
}

void CalcTargetAirSide(CalcContext& ctx, Target target) {
    RunAroundData& data = ctx.data;
    data.AirSpecificHeat = 1000.0f;
    data.AirDensity = 1.21f;
    CalcFaceAreas(data);
    if (data.DBSupplyOn == data.DBExtractOn) {
        ctx.abortWith(platform::information(
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
        data.Duty = store(d(data.MaxDuty) * d(data.Effectiveness));
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
        data.Duty = store(d(data.Effectiveness) / 100.0 * d(data.MaxDuty));
        CalcSupplyOffFromDuty(data);
        CalcExtractOffFromSupplyOff(data);
        EstimateLoopTemperatures(data);
        break;
    }
}

} // namespace rac::calculation
