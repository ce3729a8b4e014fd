#include "costing_run.h"
#include "costmodel/header_assembly.h"
#include "support/compare.h"

#include <gtest/gtest.h>

namespace rac::costmodel {
namespace {

// 26 tubes of 12mm: two headers of 0.9906 m, one header pair, so 2 connections.
CoilCosting HeaderOf(const char* circuitType, const char* size, const char* flanges) {
    CoilCosting c;
    c.CircuitType = circuitType;
    c.ConnectionSize = size;
    c.ConnectionFlanges = flanges;
    c.TubesHigh = 26;
    c.TubePitch = 0.0381f;
    c.Headers = 1;
    CostHeaderAssembly(c);
    return c;
}

// Welded flanges on 1 inch are the supply coil's of the end-to-end costing.
TEST(CostHeaderAssembly, FlangesByConnectionSize) {
    struct Row {
        const char *name, *size, *flanges;
        double flangeCost, flangeWeight, material, weight;
    };
    const Row rows[] = {
        {"welded on 1/2 inch adds nothing", "½ inch", "Welded", 0, 0, 3, 0.4},
        {"screwed on 1/2 inch", "½ inch", "Screwed", 8, 1.56, 11, 1.96},
        {"none on 1/2 inch", "½ inch", "None", 0, 0, 3, 0.4},
        {"screwed on 1 inch", "1 inch", "Screwed", 12, 2.62, 29.6166, 6.690484},
        {"screwed on 3 inch", "3 inch", "Screwed", 22, 10.92, 103.53, 23.50525},
        {"a size off the list", "4 inch", "Welded", 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CoilCosting c = HeaderOf("H", row.size, row.flanges);
        EXPECT_EQ(c.Connections, 2);
        test::expectNear(c.ConnectionFlangesMaterial, row.flangeCost, 2e-6);
        test::expectNear(c.FlangeWeight, row.flangeWeight, 2e-6);
        test::expectNear(c.HeaderAssemblyMaterial, row.material, 2e-6);
        test::expectNear(c.HeaderAssemblyWeight, row.weight, 2e-6);
    }
}

// "1B" and "2B" coils take the "15mm" and "22mm" rows: connections only, no header pipe.
TEST(CostHeaderAssembly, BundleCoilsHaveConnectionsButNoHeaderPipe) {
    struct Row {
        const char *type, *size;
        double material, weight;
    };
    for (const Row& row : {Row{"1B", "15mm", 0.6, 0.2}, Row{"2B", "22mm", 1.0, 0.3}}) {
        SCOPED_TRACE(row.type);
        const CoilCosting c = HeaderOf(row.type, row.size, "Welded");
        EXPECT_EQ(c.HeaderPipe, 0);
        EXPECT_EQ(c.HeaderPipeWeight, 0);
        EXPECT_EQ(c.HeaderVolume, 0);
        EXPECT_EQ(c.ConnectionFlangesMaterial, 0);
        test::expectNear(c.HeaderAssemblyMaterial, row.material, 2e-6);
        test::expectNear(c.HeaderAssemblyWeight, row.weight, 2e-6);
    }
}

TEST(CostCoilBlock, BundleCoilLabourLeavesOutTheHeaderWork) {
    CoilCosting coil = SupplyCoil();
    coil.CircuitType = "1B";
    coil.ConnectionSize = "15mm";
    coil.ConnectionFlanges = "None";
    const CoilCosting c = Costed(coil);
    EXPECT_EQ(c.Circuits, 1);
    test::expectNear(c.BendsMaterial, 14.42, 2e-6); // 103 bends
    test::expectNear(c.HeaderAssemblyMaterial, 0.6, 2e-6);
    test::expectNear(c.InternalVolume, 11.88252, 2e-6); // tubes only
    test::expectNear(c.LabourCost, 49.80182, 2e-6);
    test::expectNear(c.BrazingLabour, 7.7, 2e-6);
}

} // namespace
} // namespace rac::costmodel
