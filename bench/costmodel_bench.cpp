// Time of one costing of a run-around pair as the costing screen runs it: for the supply coil
// and then the extract coil, the price table loaded, the block costed and the breakdown made;
// then, as the screen ends every costing, the totals, the local price and the design payback.
#include "coil/calc_status.h"
#include "costmodel/coil_block.h"
#include "costmodel/countries.h"
#include "costmodel/price_table.h"
#include "foundation/numbers.h"
#include "paybackmodel/design_payback.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

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

// The start-up pair costed as the screen does it, coil after coil, on records kept from one
// costing to the next.
struct PairCosting {
    const CoilCosting supply = StartupCoil(coil::CoilSide::Supply);
    const CoilCosting extract = StartupCoil(coil::CoilSide::Extract);
    PriceTable prices;
    CoilCosting costing;
    std::array<float, 2> sold{}; // the two sell prices

    void cost(benchmark::State& state) {
        RecordingMessageSink sink;
        bool calcAbort = false;
        coil::CalcStatus status(sink, calcAbort);
        std::size_t at = 0;
        for (const auto& [side, inputs] : {std::pair{coil::CoilSide::Supply, &supply},
                                           std::pair{coil::CoilSide::Extract, &extract}}) {
            LoadPriceTable(prices, std::nullopt);
            costing = *inputs;
            CostCoilBlock(costing, prices, side, status);
            CalcLabourBreakdown(costing, prices, side, status);
            sold[at++] = costing.SellPrice;
        }
        if (status.CalcAbort) {
            state.SkipWithError("costing stopped");
        }
    }
};

void CostStartupPair(benchmark::State& state) {
    PairCosting pair;
    for (auto _ : state) {
        pair.cost(state);
        benchmark::DoNotOptimize(pair.sold);
    }
}

BENCHMARK(CostStartupPair);

// The same costing with what follows it on the screen: the prices shown whole, their sterling
// total, the price in Kuwaiti dinars (rate 0.5) and the design payback of the pair's 30.25 kW
// over 3000 hours.
void CostStartupPairWithDesignPayback(benchmark::State& state) {
    PairCosting pair;
    for (auto _ : state) {
        pair.cost(state);
        const auto shown = [&](std::size_t coil) {
            return numbers::format(numbers::widen(pair.sold[coil]), numbers::Pattern::Whole);
        };
        const std::string total = numbers::shortestText(RunAroundTotal(shown(0), shown(1)));
        const std::string local =
            numbers::format(LocalExWorksPrice(total, "0.5"), numbers::Pattern::Whole);
        paybackmodel::DesignPaybackInputs inputs;
        inputs.DutyWatts = 30250.0f;
        inputs.RunningHours = 3000;
        inputs.EnergyCost = 0.01;
        inputs.LocalPrice = numbers::leadingNumber(local);
        benchmark::DoNotOptimize(paybackmodel::CalcDesignPayback(inputs));
    }
}

BENCHMARK(CostStartupPairWithDesignPayback);

} // namespace
} // namespace rac::costmodel
