#include "calculation/selection_rating.h"
#include "calculation/startup_request.h"
#include "engine_run.h"
#include "foundation/numbers.h"

#include <gtest/gtest.h>

namespace rac::calculation {
namespace {

RunAroundData RatingRequest(int16_t rows, float finDensity, const char* circuitType) {
    RunAroundData data = StartupRequest();
    for (RunAroundCoil* coil : {&data.Supply, &data.Extract}) {
        coil->NumberRows = rows;
        coil->FinDensitySelect = "Fixed";
        coil->FinDensity = finDensity;
        coil->CircuitTypeSelect = "Fixed";
        coil->CircuitType = circuitType;
    }
    return data;
}

TEST(RatingStep, ThresholdsInSinglePrecision) {
    EXPECT_EQ(RatingEffectivenessStep(0.3f), 0.02);
    EXPECT_EQ(RatingEffectivenessStep(0.2001f), 0.02);
    EXPECT_EQ(RatingEffectivenessStep(0.2f), 0.01);
    EXPECT_EQ(RatingEffectivenessStep(0.15f), 0.01);
    EXPECT_EQ(RatingEffectivenessStep(0.1f), 0.005);
    EXPECT_EQ(RatingEffectivenessStep(0.0f), 0.005);
}

TEST(RateRunAround, SelectedPairRatesAtLeastItsSelectionTarget) {
    EngineRun selection(StartupRequest(), Action::Select);
    ASSERT_FALSE(selection.ctx.CalcAbort);
    const RunAroundCoil& chosen = selection.ctx.data.Supply;

    EngineRun rating(RatingRequest(chosen.NumberRows, chosen.SelectedFinDensity,
                                   chosen.SelectedCircuitType.c_str()),
                     Action::Rate);
    ASSERT_FALSE(rating.ctx.CalcAbort);
    const RunAroundData& d = rating.ctx.data;
    EXPECT_GE(d.Effectiveness, 0.5f);
    EXPECT_LE(d.Effectiveness, 0.8f);
    EXPECT_GE(d.Supply.AchievedEff, d.Supply.RequiredEff);
    EXPECT_GE(d.Extract.AchievedEff, d.Extract.RequiredEff);
    EXPECT_EQ(d.Supply.CoilCode, chosen.CoilCode);
    // The rated duty and air temperatures follow from the rated effectiveness.
    EXPECT_NEAR(d.Duty, d.MaxDuty * d.Effectiveness, 1e-3);
    EXPECT_NEAR(d.DBSupplyOff, d.Effectiveness * 20.0f, 1e-3);
}

TEST(RateRunAround, GenerousCoilsRateAtEightyPercentAndNoHigher) {
    RunAroundData request = RatingRequest(16, 14, "H");
    request.AirVolSupply = request.AirVolExtract = 0.2f;
    EngineRun run(request, Action::Rate);
    ASSERT_FALSE(run.ctx.CalcAbort);
    EXPECT_EQ(numbers::format(run.ctx.data.Effectiveness * 100.0, numbers::Pattern::OneDecimal),
              "80.0");
}

TEST(RateRunAround, TooSmallCoilsAreUnsuitable) {
    RunAroundData request = RatingRequest(1, 4, "H");
    request.AirVolSupply = request.AirVolExtract = 8;
    EngineRun run(request, Action::Rate);
    EXPECT_TRUE(run.ctx.CalcAbort);
    ASSERT_EQ(run.sink.shown().size(), 1u);
    EXPECT_EQ(run.sink.shown()[0].title, "Unsuitable Coil");
    EXPECT_EQ(run.sink.shown()[0].text.rfind("Unsuitable supply and/or extract coil", 0), 0u);
}

TEST(RateRunAround, CountedCircuitsAndBundleConnections) {
    RunAroundData request = RatingRequest(2, 10, "1B");
    request.Extract.CircuitTypeSelect = "Number";
    request.Extract.CircuitNumber = 13;
    EngineRun run(request, Action::Rate);
    ASSERT_FALSE(run.ctx.CalcAbort);
    EXPECT_EQ(run.ctx.data.Supply.ConnectionSize, "15mm");
    EXPECT_EQ(run.ctx.data.Supply.Headers, 1);
    EXPECT_EQ(run.ctx.data.Extract.CoilCode, "12WS1310.2-26Tx1000");
}

TEST(RateRunAround, EqualAirOnTemperaturesStopWithAMessageNotANumber) {
    RunAroundData request = RatingRequest(4, 10, "H");
    request.DBExtractOn = request.DBSupplyOn;
    EngineRun run(request, Action::Rate);
    EXPECT_TRUE(run.ctx.CalcAbort);
    ASSERT_EQ(run.sink.shown().size(), 1u);
    EXPECT_EQ(run.sink.shown()[0].title, "Calculation Not Possible - Supply Coil");
}

} // namespace
} // namespace rac::calculation
