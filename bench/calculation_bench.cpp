// Time of one complete run-around calculation: the start-up selection, the rating of the pair
// it selects, and the slowest selection there is (both coils walk every trial up to 16 rows).
#include "calculation/selection_rating.h"
#include "calculation/startup_request.h"

#include <benchmark/benchmark.h>
#include <stdexcept>

namespace rac::calculation {
namespace {

void RunSelection(benchmark::State& state, const RunAroundData& request) {
    RecordingMessageSink sink;
    for (auto _ : state) {
        CalcState calcState;
        CalcContext ctx(sink, calcState);
        ctx.data = request;
        SelectRunAround(ctx, Target::AirOffDB);
        benchmark::DoNotOptimize(ctx.data.Extract.ActualFluidPD);
        if (ctx.CalcAbort) {
            state.SkipWithError("selection stopped");
        }
        sink.clear();
    }
}

void StartupSelection(benchmark::State& state) {
    RunSelection(state, StartupRequest());
}

void SixteenRowSelection(benchmark::State& state) {
    RunAroundData request = StartupRequest();
    request.DBSupplyOff = 13.5f; // both coils need 16 rows at 12 fins per inch
    RunSelection(state, request);
}

// The start-up pair as selected, entered for rating.
RunAroundData StartupPair() {
    RecordingMessageSink sink;
    CalcState calcState;
    CalcContext ctx(sink, calcState);
    ctx.data = StartupRequest();
    SelectRunAround(ctx, Target::AirOffDB);
    if (ctx.CalcAbort) {
        throw std::runtime_error("start-up selection stopped");
    }
    RunAroundData pair = ctx.data;
    for (RunAroundCoil* coil : {&pair.Supply, &pair.Extract}) {
        coil->FinDensitySelect = "Fixed";
        coil->FinDensity = coil->SelectedFinDensity;
        coil->CircuitTypeSelect = "Fixed";
        coil->CircuitType = coil->SelectedCircuitType;
    }
    return pair;
}

void StartupRating(benchmark::State& state) {
    const RunAroundData pair = StartupPair();
    RecordingMessageSink sink;
    for (auto _ : state) {
        CalcState calcState;
        CalcContext ctx(sink, calcState);
        ctx.data = pair;
        RateRunAround(ctx);
        benchmark::DoNotOptimize(ctx.data.Effectiveness);
        if (ctx.CalcAbort) {
            state.SkipWithError("rating stopped");
        }
        sink.clear();
    }
}

BENCHMARK(StartupSelection);
BENCHMARK(StartupRating);
BENCHMARK(SixteenRowSelection);

} // namespace
} // namespace rac::calculation
