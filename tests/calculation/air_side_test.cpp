#include "calculation/air_side.h"
#include "engine_run.h"
#include "foundation/numbers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace rac::calculation {
namespace {

using numbers::format;
using numbers::Pattern;

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
// the startup_calculate transcript.
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

TEST(TargetAirSide, DutyTargetCoolingNegatesTheDuty) {
    EngineRun run(Request(30, 22, 2.5f, 2.5f));
    run.ctx.data.Duty = 20;
    CalcTargetAirSide(run.ctx, Target::Duty);
    const RunAroundData& d = run.ctx.data;
    EXPECT_FLOAT_EQ(d.Duty, -20.0f);
    EXPECT_EQ(format(d.DBSupplyOff, Pattern::OneDecimal), "23.4");
    EXPECT_EQ(format(d.DBExtractOff, Pattern::OneDecimal), "28.6");
    EXPECT_EQ(format(d.Effectiveness * 100.0, Pattern::Whole), "83");
}

TEST(TargetAirSide, EffectivenessTargetUsesTheSmallerAirVolume) {
    EngineRun run(Request(0, 20, 2.0f, 2.5f));
    run.ctx.data.Effectiveness = 60; // entered as a percentage
    CalcTargetAirSide(run.ctx, Target::Effectiveness);
    const RunAroundData& d = run.ctx.data;
    EXPECT_NEAR(d.MaxDuty, 48.4f, 1e-4);
    EXPECT_EQ(format(std::fabs(d.Duty), Pattern::Whole), "29");
    EXPECT_EQ(format(d.DBSupplyOff, Pattern::OneDecimal), "12.0");
    EXPECT_EQ(format(d.DBExtractOff, Pattern::OneDecimal), "10.4");
    EXPECT_FLOAT_EQ(d.AirVolMin, 2.0f);
    EXPECT_FLOAT_EQ(d.AirVolMax, 2.5f);
    EXPECT_FLOAT_EQ(d.Effectiveness, 60.0f); // keeps the entered percentage
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
