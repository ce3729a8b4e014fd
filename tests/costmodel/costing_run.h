#pragma once

#include "costmodel/coil_block.h"
#include "costmodel/coil_costing.h"
#include "costmodel/price_table.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>

// Two coils as the costing screen would hand them over, and one costing run with its messages.
namespace rac::costmodel {

// 12mm aluminium louvre, 4 rows x 26 high x 1000 mm, "H", 1 inch connections, a standard
// galvanised casing with a flat drain pan, eliminators, vent/drain and welded flanges.
inline CoilCosting SupplyCoil() {
    CoilCosting c;
    c.TubeDiameter = "12mm";
    c.FinType = "Aluminium 0.15 louvre";
    c.FinDensity = 10;
    c.Rows = 4;
    c.TubesHigh = 26;
    c.FinnedLength = 1000;
    c.CircuitType = "H";
    c.ConnectionSize = "1 inch";
    c.Sections = 1;
    c.Headers = 1;
    c.CasingStyle = "Standard";
    c.CasingMaterial = "16g galv";
    c.Drainpan = "Standard Flat";
    c.DrainpanMaterial = "16g galv";
    c.CasingDepthSelect = "Standard";
    c.Eliminators = 1;
    c.VentDrain = 1;
    c.BrazeMaterial = "Phos 0";
    c.ConnectionFlanges = "Welded";
    return c;
}

// 16mm pre-tinned copper rippled at 14 FPI, 6 rows x 50 high x 2500 mm in 2 sections, "P",
// 1½ inch connections with two header pairs, an enclosed mild steel casing 700 mm deep with a
// removeable sloping copper drain pan, and every option but eliminators and vent/drain.
inline CoilCosting ExtractCoil() {
    CoilCosting c;
    c.TubeDiameter = "16mm";
    c.FinType = "Copper 0.25 rippled";
    c.FinDensity = 14;
    c.Rows = 6;
    c.TubesHigh = 50;
    c.FinnedLength = 2500;
    c.CircuitType = "P";
    c.ConnectionSize = "1½ inch";
    c.Sections = 2;
    c.Headers = 2;
    c.CasingStyle = "Enclosed";
    c.CasingMaterial = "14g mild steel";
    c.Drainpan = "Removeable Sloping";
    c.DrainpanMaterial = "16g copper";
    c.CasingDepthSelect = "Non-Standard";
    c.CasingDepth = 700;
    c.Stiffeners = 1;
    c.Nutserts = 1;
    c.GAM = 1;
    c.ThickTube = 1;
    c.TestPoints = 1;
    c.Blygold = 1;
    c.ETAM = 1;
    c.PreTinnedFins = 1;
    c.BrazeMaterial = "35  Silver";
    c.ConnectionFlanges = "Screwed";
    return c;
}

// One coil costed as the screen layer costs it: price table, block, breakdown.
struct CostingRun {
    RecordingMessageSink sink;
    bool calcAbort = false;
    coil::CalcStatus status{sink, calcAbort};
    PriceTable prices;
    CoilCosting costing;

    explicit CostingRun(CoilCosting coil, std::optional<double> grossMargin = std::nullopt)
        : costing(std::move(coil)) {
        LoadPriceTable(prices, grossMargin);
    }

    void cost(coil::CoilSide side = coil::CoilSide::Supply) {
        CostCoilBlock(costing, prices, side, status);
        if (!status.CalcAbort) {
            CalcLabourBreakdown(costing, prices, side, status);
        }
    }
};

// The coil as costed with the price table of that gross margin; a costing that stops fails the
// test.
inline CoilCosting Costed(CoilCosting coil, std::optional<double> grossMargin = std::nullopt) {
    CostingRun run(std::move(coil), grossMargin);
    run.cost();
    EXPECT_FALSE(run.status.CalcAbort) << "the costing stopped";
    return run.costing;
}

} // namespace rac::costmodel
