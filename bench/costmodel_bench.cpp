// Time of one costing of a run-around pair as the costing screen runs it: for the supply coil
// and then the extract coil, the price table loaded, the block costed and the breakdown made.
#include "coil/calc_status.h"
#include "costmodel/coil_block.h"
#include "costmodel/price_table.h"

#include <benchmark/benchmark.h>

namespace rac::costmodel {
namespace {

// The pair the start-up selection settles on (8 rows of 26 x "12mm" at 10 FPI, "H"), in
// standard galvanised casings; the extract coil with a drain pan and eliminators.
CoilCosting StartupCoil(coil::CoilSide side) {
    CoilCosting c;
    c.TubeDiameter = "12mm";
    c.FinType = "Aluminium 0.15 louvre";
    c.FinDensity = 10;
    c.Rows = 8;
    c.TubesHigh = 26;
    c.FinnedLength = 1000;
    c.CircuitType = "H";
    c.ConnectionSize = "1¼ inch";
    c.Sections = 1;
    c.Headers = 1;
    c.CasingStyle = "Standard";
    c.CasingMaterial = "16g galv";
    c.Drainpan = side == coil::CoilSide::Supply ? "None" : "Standard Flat";
    c.DrainpanMaterial = side == coil::CoilSide::Supply ? "N/A" : "16g galv";
    c.CasingDepthSelect = "Standard";
    c.Eliminators = side == coil::CoilSide::Supply ? 0 : 1;
    c.VentDrain = 1;
    c.BrazeMaterial = "Phos 0";
    c.ConnectionFlanges = "None";
    return c;
}

void CostStartupPair(benchmark::State& state) {
    const CoilCosting supply = StartupCoil(coil::CoilSide::Supply);
    const CoilCosting extract = StartupCoil(coil::CoilSide::Extract);
    RecordingMessageSink sink;
    PriceTable prices;
    CoilCosting costing;
    for (auto _ : state) {
        bool calcAbort = false;
        coil::CalcStatus status(sink, calcAbort);
        for (const auto& [side, inputs] : {std::pair{coil::CoilSide::Supply, &supply},
                                           std::pair{coil::CoilSide::Extract, &extract}}) {
            LoadPriceTable(prices, std::nullopt);
            costing = *inputs;
            CostCoilBlock(costing, prices, side, status);
            CalcLabourBreakdown(costing, prices, side, status);
            benchmark::DoNotOptimize(costing.SellPrice);
        }
        if (status.CalcAbort) {
            state.SkipWithError("costing stopped");
        }
    }
}

BENCHMARK(CostStartupPair);

} // namespace
} // namespace rac::costmodel
