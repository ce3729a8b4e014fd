#include "costing_run.h"
#include "costmodel/options.h"
#include "support/compare.h"

#include <gtest/gtest.h>

namespace rac::costmodel {
namespace {

TEST(CostOptions, UntickedOptionsCostNothingEvenAfterAnEarlierCosting) {
    CoilCosting coil = SupplyCoil();
    coil.GAMMaterial = 99;
    coil.BlygoldLabour = 6;
    coil.Eliminators = 0;
    coil.VentDrain = 0;
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.GAMMaterial, 0);
    EXPECT_EQ(c.BlygoldLabour, 0);
    EXPECT_EQ(c.EliminatorsMaterial, 0);
    EXPECT_EQ(c.OptionsCost, 0);
}

TEST(CostStiffeners, StiffenerCountRoundsHalfToEven) {
    struct Row {
        const char* name;
        float length, depth;
        double material;
    };
    const Row rows[] = {
        {"10 stiffeners x 1 m x 0.05 = 0.5 rounds to 0", 1510, 1000, 0},
        {"50 stiffeners x 1 m x 0.05 = 2.5 rounds to 2", 7910, 1000, 20},
        {"19 stiffeners x 1 m x 0.05 = 0.95 rounds to 1", 3000, 1000, 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting c;
        c.FinnedLength = row.length;
        c.CasingDepth = row.depth;
        c.SheetPrice = 10;
        CostStiffeners(c);
        EXPECT_EQ(c.StiffenersMaterial, row.material);
    }
}

TEST(CostETAM, AtLeastFiftyForASmallCoil) {
    CoilCosting coil = SupplyCoil();
    coil.FinDensity = 8;
    coil.TubesHigh = 4;
    coil.FinnedLength = 100;
    coil.Rows = 1;
    coil.ETAM = 1;
    test::expectNear(Costed(coil).ETAMMaterial, 50, 2e-6);
}

TEST(CostBlygold, WarnsBeyondTheCoatingLimits) {
    struct Row {
        const char *name, *finType, *tube;
        int16_t rows;
        float finDensity;
        bool warned;
    };
    const Row rows[] = {
        {"16mm, 8 rows", "Aluminium 0.15 rippled", "16mm", 8, 10, true},
        {"16mm, 7 rows", "Aluminium 0.15 rippled", "16mm", 7, 10, false},
        {"16mm, 3 rows at 14 FPI", "Copper 0.25 rippled", "16mm", 3, 14, true},
        {"16mm, 2 rows at 14 FPI", "Copper 0.25 rippled", "16mm", 2, 14, false},
        {"12mm rippled, 9 rows", "Aluminium 0.4 rippled", "12mm", 9, 10, true},
        {"12mm rippled, 8 rows", "Aluminium 0.4 rippled", "12mm", 8, 10, false},
        {"12mm rippled, 3 rows at 14 FPI", "Copper 0.15 rippled", "12mm", 3, 14, true},
        {"12mm louvre, 8 rows", "Aluminium 0.25 louvre", "12mm", 8, 10, true},
        {"12mm louvre, 7 rows", "Copper 0.15 louvre", "12mm", 7, 10, false},
        {"12mm louvre, 3 rows at 14 FPI", "Copper 0.25 louvre", "12mm", 3, 14, true},
        // Vinyl-coated fins are held to the limits of their pattern.
        {"vinyl rippled, 9 rows", "Aluminium vinyl coated 0.15 rippled", "12mm", 9, 10, true},
        {"vinyl rippled, 8 rows", "Aluminium vinyl coated 0.15 rippled", "12mm", 8, 10, false},
        {"vinyl louvre, 8 rows", "Aluminium vinyl coated 0.15 louvre", "12mm", 8, 10, true},
        {"a fin type off the list is not checked", "Aluminium vinyl coated 0.2 louvre", "12mm", 8,
         10, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting c;
        c.FinType = row.finType;
        c.TubeDiameter = row.tube;
        c.Rows = row.rows;
        c.FinDensity = row.finDensity;
        PriceTable prices;
        LoadPriceTable(prices, std::nullopt);
        RecordingMessageSink sink;
        CostBlygold(c, prices, sink);
        if (row.warned) {
            ASSERT_EQ(sink.shown().size(), 1u);
            EXPECT_EQ(sink.shown()[0], information("Blygold coating limits",
                                                   "100% coverage expected but not guaranteed"));
        } else {
            EXPECT_TRUE(sink.shown().empty());
        }
    }
}

} // namespace
} // namespace rac::costmodel
