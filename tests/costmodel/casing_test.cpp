#include "costing_run.h"
#include "costmodel/casing_style.h"
#include "support/compare.h"

#include <gtest/gtest.h>

namespace rac::costmodel {
namespace {

TEST(CasingDepth, StandardDepthByStyleAndRows) {
    struct Row {
        const char *name, *style, *select;
        int16_t rows, eliminators;
        float depthHeld, depth;
    };
    const Row rows[] = {
        {"standard, 4 rows", "Standard", "Standard", 4, 0, 0, 220},
        {"eliminators add 180 mm", "Standard", "Standard", 4, 1, 0, 400},
        {"a non-standard depth is used as entered", "Standard", "Non-Standard", 4, 1, 300, 300},
        {"5 rows take the 6-row depth", "Standard", "Standard", 5, 0, 0, 290},
        {"7 rows take the 8-row depth", "Unitary:No baffle", "Standard", 7, 0, 0, 360},
        {"15 rows take the 16-row depth", "Endplates", "Standard", 15, 0, 0, 640},
        {"enclosed, 5 rows", "Enclosed", "Standard", 5, 0, 0, 325},
        {"coverbox, 1 row", "Coverbox", "Standard", 1, 0, 0, 190},
        {"unitary, 3 rows", "Unitary:Baffle one face", "Standard", 3, 0, 0, 185},
        {"economy, 2 rows", "Economy", "Standard", 2, 0, 0, 75},
        {"economy with eliminators", "Economy", "Standard", 2, 1, 0, 255},
        {"economy beyond 2 rows keeps the depth held", "Economy", "Standard", 3, 1, 123, 123},
        {"beyond 16 rows keeps the depth held", "Standard", "Standard", 17, 0, 123, 123},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting c;
        c.CasingStyle = row.style;
        c.CasingDepthSelect = row.select;
        c.Rows = row.rows;
        c.Eliminators = row.eliminators;
        c.CasingDepth = row.depthHeld;
        SetCasingDepth(c);
        EXPECT_EQ(c.CasingDepth, row.depth);
    }
}

TEST(CasingAllowances, DrainpanMarginFollowsTheStyleOnlyWithADrainpan) {
    struct Row {
        const char *name, *style, *drainpan;
        float plateMargin, drainpanMargin, baffleWidth;
    };
    const Row rows[] = {
        {"economy keeps its plate margin round a drainpan", "Economy", "Sloping", 25, 25, 0},
        {"economy without a drainpan", "Economy", "None", 25, 0, 0},
        {"standard", "Standard", "Standard Flat", 57, 57, 0},
        {"unitary", "Unitary:Baffle both faces", "Standard Flat", 37, 57, 137},
        {"enclosed", "Enclosed", "Perforated Base", 62, 62, 0},
        {"end plates have no drainpan", "Endplates", "Standard Flat", 0, 0, 0},
        {"a style off the list has no allowances", "standard", "Standard Flat", 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting c;
        c.CasingStyle = row.style;
        c.Drainpan = row.drainpan;
        SetCasingAllowances(c);
        EXPECT_EQ(c.PlateMargin, row.plateMargin);
        EXPECT_EQ(c.DrainpanMargin, row.drainpanMargin);
        EXPECT_EQ(c.BaffleWidth, row.baffleWidth);
    }
}

TEST(CostCasing, EconomyDrainpanUsesTheMarginOf25mm) {
    CoilCosting coil = SupplyCoil();
    coil.CasingStyle = "Economy";
    coil.Rows = 2;
    coil.TubesHigh = 20;
    coil.Eliminators = 0;
    coil.VentDrain = 0;
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.CasingDepth, 75);
    EXPECT_EQ(c.DrainpanFactor, 1);
    test::expectNear(c.EndPlate, 2.685, 2e-6);
    test::expectNear(c.SidePlate, 7.336, 2e-6);
    test::expectNear(c.DrainpanPanel, 26.24109, 2e-6);
    test::expectNear(c.SheetMetalCost, 38.94709, 2e-6);
    test::expectNear(c.SheetMetalWeight, 5.489034, 2e-6);
}

TEST(CostCasing, DrainpanKindsScaleItsLabourAndSheet) {
    struct Row {
        const char* name;
        const char* drainpan;
        int16_t eliminators;
        double panel;
    };
    const Row rows[] = {
        {"standard flat", "Standard Flat", 0, 27.66568},
        {"eliminators double the labour", "Standard Flat", 1, 53.04868},
        {"sloping", "Sloping", 0, 65.74018},
        {"sloping with eliminators", "Sloping", 1, 129.1977},
        {"removeable flat", "Removeable Flat", 0, 55.33136},
        {"removeable sloping", "Removeable Sloping", 1, 156.8634},
        {"a perforated base replaces the doubled labour", "Perforated Base", 1, 12.43416},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting coil = SupplyCoil();
        coil.Drainpan = row.drainpan;
        coil.Eliminators = row.eliminators;
        coil.CasingDepthSelect = "Non-Standard";
        coil.CasingDepth = 400;
        const CoilCosting c = Costed(coil);
        test::expectNear(c.DrainpanPanel, row.panel, 2e-6);
    }
}

TEST(CostCasing, NoDrainpanMeansTwoSidePlatesAndNoDrainpanCostOrWeight) {
    CoilCosting coil = SupplyCoil();
    coil.Drainpan = "None";
    coil.DrainpanMaterial = "N/A";
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.SidePlateCount, 2);
    EXPECT_EQ(c.DrainpanFactor, 0);
    EXPECT_EQ(c.DrainpanCost, 0);
    test::expectNear(c.SidePlates, 21.67792, 2e-6);
    test::expectNear(c.SheetMetalCost, 58.02764, 2e-6);
    test::expectNear(c.SheetMetalWeight, 33.88991, 2e-6);
}

TEST(CostCasing, DrainpanMarkedNotApplicableWeighsNothing) {
    CoilCosting coil = SupplyCoil();
    coil.DrainpanMaterial = "N/A";
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.DrainpanFactor, 1);
    EXPECT_EQ(c.DrainpanSheetPrice, 0);
    test::expectNear(c.SheetMetalWeight, 26.6523, 2e-6);
}

TEST(CostCasing, EndPlatesStyleHasOnlyEndPlatesAndCentreSupports) {
    CoilCosting coil = SupplyCoil();
    coil.CasingStyle = "Endplates";
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.SidePlateCount, 0);
    EXPECT_EQ(c.DrainpanFactor, 0);
    EXPECT_EQ(c.BaffleCount, 0);
    EXPECT_EQ(c.CoverPanel, 0);
    EXPECT_EQ(c.CentreSupportCount, 1);
    test::expectNear(c.SheetMetalCost, 35.23252, 2e-6); // 2 x 11.07244 + 13.08764: nothing else
    test::expectNear(c.SheetMetalWeight, 18.00255, 2e-6);
}

TEST(CostCasing, BafflesCountByFaces) {
    struct Row {
        const char* style;
        int16_t baffles;
        double lines;
    };
    const Row rows[] = {
        {"Unitary:Baffle both faces", 4, 10.80881},
        {"Unitary:Baffle one face", 2, 5.404404},
        {"Unitary:No baffle", 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        CoilCosting coil = SupplyCoil();
        coil.CasingStyle = row.style;
        const CoilCosting c = Costed(coil);
        EXPECT_EQ(c.BaffleCount, row.baffles);
        test::expectNear(c.BafflePanel, 2.702202, 2e-6);
        test::expectNear(c.BafflePlates, row.lines, 2e-6);
    }
}

TEST(CostCasing, CoverboxCoversCostTwoAndAHalfTimesEnclosedOnes) {
    struct Row {
        const char* style;
        double coverPanel;
    };
    for (const Row& row : {Row{"Enclosed", 6.114}, Row{"Coverbox", 15.285}}) {
        SCOPED_TRACE(row.style);
        CoilCosting coil = SupplyCoil();
        coil.CasingStyle = row.style;
        coil.Rows = 1;
        coil.TubesHigh = 20;
        coil.Eliminators = 0;
        coil.CasingDepthSelect = "Non-Standard";
        coil.CasingDepth = 300;
        const CoilCosting c = Costed(coil);
        test::expectNear(c.CoverPanel, row.coverPanel, 2e-6);
        test::expectNear(c.CoverPlates, 2 * row.coverPanel, 2e-6);
    }
}

TEST(CostCasing, CentreSupportCountByFinMetalAndLength) {
    struct Row {
        const char *name, *finType;
        float finDensity, length, tubesHigh;
        int16_t sections, supports;
    };
    const Row rows[] = {
        {"aluminium 3100 mm", "Aluminium 0.15 louvre", 10, 3100, 20, 1, 2},
        {"aluminium at 1500 mm needs none", "Aluminium 0.25 rippled", 10, 1500, 20, 1, 0},
        {"copper 3100 mm", "Copper 0.25 louvre", 10, 3100, 20, 1, 2},
        {"copper 1300 mm", "Copper 0.15 rippled", 10, 1300, 20, 1, 1},
        {"copper at 1200 mm needs none", "Copper 0.15 rippled", 10, 1200, 20, 1, 0},
        {"no fins, 500 mm: at least one", "Aluminium 0.15 louvre", 0, 500, 20, 1, 1},
        {"no fins, 1300 mm", "Copper 0.15 louvre", 0, 1300, 20, 1, 2},
        {"24 tubes in one section", "Aluminium 0.15 louvre", 10, 1000, 24, 1, 1},
        {"23 tubes per section", "Aluminium 0.15 louvre", 10, 1000, 46, 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting coil = SupplyCoil();
        coil.FinType = row.finType;
        coil.FinDensity = row.finDensity;
        coil.FinnedLength = row.length;
        coil.TubesHigh = row.tubesHigh;
        coil.Sections = row.sections;
        const CoilCosting c = Costed(coil);
        EXPECT_EQ(c.CentreSupportCount, row.supports);
    }
}

} // namespace
} // namespace rac::costmodel
