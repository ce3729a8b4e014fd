#include "calculation/air_side.h"
#include "engine_run.h"

#include <cmath>
#include <gtest/gtest.h>

namespace rac::calculation {
namespace {

RunAroundData Request(float supplyOn, float extractOn, float volSupply, float volExtract) {
    RunAroundData data;
    data.DBSupplyOn = supplyOn;
    data.DBExtractOn = extractOn;
    data.AirVolSupply = volSupply;
    data.AirVolExtract = volExtract;
    for (RunAroundCoil* coil : {&data.Supply, &data.Extract}) {
        coil->FinnedLength = 1000;
        coil->FinnedHeight = 994;
    }
    return data;
}

// The start-up request's heating air side (10.0, 6.7 and 13.3 C, 50 %, 30 kW, 2.52 m/s) is in
// the startup_calculate transcript; the duty target's cooling (23.4 and 28.6 C, 83 %) is checked
// on the main screen, the effectiveness target's smaller air volume (29 kW, 12.0 and 10.4 C) in
// the effectiveness_target transcript.
TEST(TargetAirSide, AirOffCoolingTakesBothMidpoints) {
    EngineRun run(Request(30, 24, 2.5f, 2.5f));
    run.ctx.data.DBSupplyOff = 27;
    CalcTargetAirSide(run.ctx, Target::AirOffDB);
    const RunAroundData& d = run.ctx.data;
    EXPECT_FLOAT_EQ(d.DBExtractOff, 27.0f);
    EXPECT_FLOAT_EQ(d.FluidT1, 28.5f);
    EXPECT_FLOAT_EQ(d.FluidT2, 25.5f);
    EXPECT_FLOAT_EQ(d.Duty, -9.075f); // cooled: -6 K x 2.5 m3/s x 1.21 x 0.5
}

TEST(TargetAirSide, EqualAirOnTemperaturesStopBeforeAnyDivision) {
    for (Target target : {Target::Duty, Target::Effectiveness}) {
        EngineRun run(Request(20, 20, 2.5f, 2.5f));
        run.ctx.data.Duty = 10;
        run.ctx.data.Effectiveness = 50;
        CalcTargetAirSide(run.ctx, target);
        EXPECT_TRUE(run.ctx.CalcAbort);
        ASSERT_EQ(run.sink.shown().size(), 1u);
        EXPECT_EQ(run.sink.shown()[0].title, "Inputs Not Compatible");
        EXPECT_EQ(run.sink.shown()[0].text,
                  "The supply on temperature cannot be equal to the extract on temperature.");
        EXPECT_TRUE(std::isfinite(run.ctx.data.DBSupplyOff));
    }
}

TEST(LoopTemperatureEstimate, FallbackComparesTheStoredDifference) {
    RunAroundData d = Request(0, 20, 2.5f, 2.5f);
    // Extract off 2 K above the supply on: T1 = 0 + 0.67 x 2 leaves only 0.66 K, so midpoint.
    d.DBSupplyOff = 18;
    d.DBExtractOff = 2;
    EstimateLoopTemperatures(d);
    EXPECT_FLOAT_EQ(d.FluidT1, 1.0f);
    EXPECT_FLOAT_EQ(d.FluidT2, 19.0f);
}

} // namespace
} // namespace rac::calculation
