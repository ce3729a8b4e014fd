#include "costing_run.h"
#include "costmodel/block_geometry.h"
#include "support/compare.h"

#include <gtest/gtest.h>

namespace rac::costmodel {
namespace {

TEST(SetCircuits, CircuitTypeOrTheNumberEntered) {
    struct Row {
        const char *name, *type;
        float tubesHigh;
        int16_t number, circuits;
    };
    const Row rows[] = {
        {"1B", "1B", 26, 0, 1},
        {"2B", "2B", 26, 0, 2},
        {"H of 5 tubes: 2.5 rounds to 2", "H", 5, 0, 2},
        {"H of 7 tubes: 3.5 rounds to 4", "H", 7, 0, 4},
        {"P of 6 tubes", "P", 6, 0, 4},
        {"Q of 13 tubes: 19.5 rounds to 20", "Q", 13, 0, 20},
        {"D of 26 tubes", "D", 26, 0, 52},
        // The costing takes the circuits entered in "Number" mode, as the coil was calculated.
        {"12 circuits entered", "12", 26, 12, 12},
        {"a lower-case letter is a number entry", "h", 26, 9, 9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting c;
        c.CircuitType = row.type;
        c.TubesHigh = row.tubesHigh;
        c.CircuitNumber = row.number;
        c.Circuits = 77; // what a coil calculation may have left
        SetCircuits(c);
        EXPECT_EQ(c.Circuits, row.circuits);
    }
}

TEST(CostCoilBlock, NumberModeCostsTheEnteredCircuits) {
    CoilCosting coil = SupplyCoil();
    coil.CircuitType = "12";
    coil.CircuitNumber = 12;
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.Circuits, 12);
    test::expectNear(c.BendsPerCircuit, 7.666667, 2e-6); // 104 tubes / 12 - 1
    test::expectNear(c.BendsMaterial, 12.88, 2e-6);
    test::expectNear(c.LabourCost, 58.00182, 2e-6); // labour as a lettered type
}

TEST(SetFinCountAndThickness, ThicknessByFinTypeAndDensity) {
    struct Row {
        const char* name;
        const char* finType;
        float finDensity;
        float held;
        float thickness;
    };
    const Row rows[] = {
        {"thin aluminium louvre at 6 FPI is costed 0.25 mm", "Aluminium 0.15 louvre", 6, 0,
         0.00025f},
        {"thin aluminium rippled at 7 FPI", "Aluminium 0.15 rippled", 7, 0, 0.00025f},
        {"thin aluminium louvre at 8 FPI", "Aluminium 0.15 louvre", 8, 0, 0.00015f},
        {"aluminium 0.4", "Aluminium 0.4 rippled", 10, 0, 0.0004f},
        {"thin copper stays thin at 6 FPI", "Copper 0.15 louvre", 6, 0, 0.00015f},
        {"vinyl coated", "Aluminium vinyl coated 0.15 louvre", 10, 0, 0.00015f},
        {"no fins", "Copper 0.25 rippled", 0, 0, 0},
        {"a fin type off the list keeps the thickness held", "Steel", 10, 0.0003f, 0.0003f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting c;
        c.FinType = row.finType;
        c.FinDensity = row.finDensity;
        c.FinThickness = row.held;
        c.FinnedLength = 500;
        SetFinCountAndThickness(c);
        EXPECT_EQ(c.FinThickness, row.thickness);
        test::expectNear(c.FinCount, 0.5 * row.finDensity * 39.4, 1e-7);
    }
}

// ETAM costs at least 50 even with no fin surface.
TEST(CostCoilBlock, CoilWithoutFinsHasNoFinWeightOrCostAndTenMinutesOfFinLabour) {
    CoilCosting coil = SupplyCoil();
    coil.FinDensity = 0;
    coil.ETAM = 1;
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.FinCount, 0);
    EXPECT_EQ(c.FinWeight, 0);
    EXPECT_EQ(c.FinsMaterial, 0);
    EXPECT_EQ(c.FinsLabour, 1); // 10 minutes at 6 per hour
    test::expectNear(c.LabourCost, 54.42, 2e-6);
    test::expectNear(c.ETAMMaterial, 50, 2e-6);
}

// Aluminium and pre-tinned copper are priced in the end-to-end costings.
TEST(CostCoilBlock, FinPriceByFinMetalCoatingAndTinning) {
    struct Row {
        const char* name;
        const char* finType;
        int16_t preTinned;
        double pricePerKg;
    };
    const Row rows[] = {
        {"copper", "Copper 0.15 louvre", 0, 3.0},
        {"vinyl coated aluminium", "Aluminium vinyl coated 0.15 rippled", 0, 3.4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting coil = SupplyCoil();
        coil.FinType = row.finType;
        coil.PreTinnedFins = row.preTinned;
        const CoilCosting c = Costed(coil);
        test::expectNear(c.FinPricePerKg, row.pricePerKg, 1e-7);
    }
}

TEST(CostCoilBlock, BrazePricePerJointByMaterial) {
    struct Row {
        const char* material;
        double cost; // 104 joints
    };
    for (const Row& row :
         {Row{"Phos 0", 10.4}, Row{"Phos 5", 20.8}, Row{"35  Silver", 83.2}, Row{"35 Silver", 0}}) {
        SCOPED_TRACE(row.material);
        CoilCosting coil = SupplyCoil();
        coil.BrazeMaterial = row.material;
        const CoilCosting c = Costed(coil);
        test::expectNear(c.BrazeMaterialCost, row.cost, 2e-7);
    }
}

} // namespace
} // namespace rac::costmodel
