// Time of one payback as the costing screen runs it: over the ten bins of one location, and at
// design conditions.
#include "paybackmodel/bin_locations.h"
#include "paybackmodel/bin_payback.h"
#include "paybackmodel/design_payback.h"

#include <benchmark/benchmark.h>

namespace rac::paybackmodel {
namespace {

// London for a heating design of 10 kW (extract 20 C, supply 0 C): seven heating bins, one
// at the extract temperature and two cooling bins.
void BinPaybackLondon(benchmark::State& state) {
    BinTables tables;
    if (!LoadBinData(tables, 0)) {
        state.SkipWithError("London not loaded");
        return;
    }
    BinPaybackInputs inputs{10000, 20, 0, 20.0, 0.1, 10000};
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        const BinPayback result = CalcBinPayback(inputs, tables);
        benchmark::DoNotOptimize(result);
    }
}

// Loading a location and then its bin payback, as a change of location followed by a costing.
void LoadAndBinPayback(benchmark::State& state) {
    BinTables tables;
    const BinPaybackInputs inputs{10000, 20, 0, 20.0, 0.1, 10000};
    int position = 0;
    for (auto _ : state) {
        LoadBinData(tables, position);
        const BinPayback result = CalcBinPayback(inputs, tables);
        benchmark::DoNotOptimize(result);
        position = (position + 1) % kLocationCount;
    }
}

void DesignPayback2kW(benchmark::State& state) {
    DesignPaybackInputs inputs{2000, 3000, 0.03, 900};
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        const DesignPayback result = CalcDesignPayback(inputs);
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK(BinPaybackLondon);
BENCHMARK(LoadAndBinPayback);
BENCHMARK(DesignPayback2kW);

} // namespace
} // namespace rac::paybackmodel
