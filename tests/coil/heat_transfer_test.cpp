#include "coil/heat_transfer.h"
#include "coil/pressure_drop.h"
#include "foundation/numbers.h"
#include "support/compare.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

// Expected values are worked by hand from the correlations, each stored value rounded to a float.
namespace rac::coil {
namespace {

using test::expectNear;
using test::kNone;

// A "12mm" coil of 26 tubes by 1000 mm, air on at 20 C and 3.7 m/s between the tubes, with the
// tube data written out as literals so that the expectations do not lean on the catalogue.
CurrentCoil coil12mm(std::string finType, float finDensity) {
    CurrentCoil coil;
    coil.TubeDiameter = "12mm";
    coil.FinType = std::move(finType);
    coil.FinDensityMode = "Optimise";
    coil.FinDensity = finDensity;
    coil.TubesHigh = 26;
    coil.FinnedLength = 1000;
    coil.TubeOD = 0.0123F;
    coil.TubeID = 0.0115F;
    coil.TubePitch = 0.0381F;
    coil.RowPitch = 0.033F;
    coil.FinThickness = 0.00015F;
    coil.AirDensity = 1.21F;
    coil.AirSpecificHeat = 1000;
    coil.AirOnTemp = 20;
    coil.CoreVelocity = 3.7F;
    return coil;
}

// Re = 3041.29 and Pr = 0.703618 in every row; the constant C (in the name) scales the rest. The
// 12mm louvre at 10 FPI is the rated coil's below, as is air the smaller capacity rate. The
// constant goes by the fin's pattern, whatever its material.
TEST(AirSideCoefficient, ConstantFollowsTubeFinAndFixedPlainTubeRules) {
    struct Row {
        const char *name, *tube, *fin, *mode;
        float finDensity;
        double nusselt, resistance;
    };
    const Row rows[] = {
        {"12mm rippled: 0.47", "12mm", "Aluminium 0.15 rippled", "Optimise", 10, 29.3589001,
         0.0162805077},
        {"12mm fixed 0 FPI overrides louvre: 0.39", "12mm", "Aluminium 0.15 louvre", "Fixed", 0,
         24.3616409, 0.0196200963},
        {"12mm fixed 0 FPI overrides rippled: 0.39", "12mm", "Copper 0.15 rippled", "Fixed", 0,
         24.3616409, 0.0196200963},
        {"12mm fixed 10 FPI keeps the fin: 0.47", "12mm", "Aluminium 0.25 rippled", "Fixed", 10,
         29.3589001, 0.0162805077},
        {"12mm 0 FPI not fixed keeps the fin: 0.83", "12mm", "Aluminium 0.15 louvre", "Optimise", 0,
         51.8465691, 0.00921908207},
        {"16mm rippled: 0.6", "16mm", "Aluminium 0.15 rippled", "Optimise", 10, 37.4794464,
         0.0127530638},
        {"16mm fixed 0 FPI: 0.42", "16mm", "Copper 0.25 rippled", "Fixed", 0, 26.2356129,
         0.0182186626},
        {"16mm louvre is not offered", "16mm", "Aluminium 0.15 louvre", "Optimise", 10, kNone,
         kNone},
        {"unknown fin type", "12mm", "Aluminium 0.15 ripled", "Optimise", 10, kNone, kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil = coil12mm(row.fin, row.finDensity);
        coil.TubeDiameter = row.tube;
        coil.FinDensityMode = row.mode;
        CalcAirSideCoefficient(coil);
        expectNear(coil.AirReynolds, 3041.29248, 1e-6);
        expectNear(coil.AirPrandtl, 0.703617513, 1e-6);
        if (std::isnan(row.nusselt)) {
            EXPECT_TRUE(std::isnan(coil.AirResistance)) << coil.AirResistance;
            continue;
        }
        expectNear(coil.AirNusselt, row.nusselt, 1e-6);
        expectNear(coil.AirResistance, row.resistance, 1e-6);
    }
}

// A few rows of the resistance table, then the plain tube and thin fin rules.
TEST(FinResistance, ByTubeAndFinWithPlainTubeThenThinFinOrder) {
    struct Row {
        const char *name, *tube, *fin;
        float finDensity;
        double resistance;
    };
    const Row rows[] = {
        {"12mm aluminium 0.15 rippled", "12mm", "Aluminium 0.15 rippled", 8, 0.0077},
        {"12mm aluminium 0.15 louvre at 7 FPI", "12mm", "Aluminium 0.15 louvre", 7, 0.0077},
        {"12mm copper 0.15 louvre", "12mm", "Copper 0.15 louvre", 10, 0.005},
        {"16mm aluminium 0.15 rippled", "16mm", "Aluminium 0.15 rippled", 10, 0.0062},
        {"thin rippled at 6 FPI is rated 0.25 mm", "12mm", "Aluminium 0.15 rippled", 6, 0.0048},
        {"thin louvre at 4 FPI is rated 0.25 mm", "12mm", "Aluminium 0.15 louvre", 4, 0.0048},
        {"16mm thin rippled at 6 FPI", "16mm", "Aluminium 0.15 rippled", 6, 0.0039},
        {"vinyl coated 0.15 is never adjusted", "12mm", "Aluminium vinyl coated 0.15 rippled", 4,
         0.0077},
        {"copper 0.15 is never adjusted", "16mm", "Copper 0.15 rippled", 6, 0.004},
        {"plain copper tube", "12mm", "Copper 0.15 rippled", 0, 0.0},
        {"plain tube of a 0.25 mm fin type", "12mm", "Aluminium 0.25 rippled", 0, 0.0},
        {"plain tube of a thin aluminium type", "12mm", "Aluminium 0.15 louvre", 0, 0.0048},
        {"16mm plain tube of a thin aluminium type", "16mm", "Aluminium 0.15 rippled", 0, 0.0039},
        {"16mm plain tube of a louvre type", "16mm", "Aluminium 0.15 louvre", 0, 0.0},
        {"16mm aluminium 0.4 is not offered", "16mm", "Aluminium 0.4 rippled", 10, kNone},
        {"16mm thin louvre is not offered", "16mm", "Aluminium 0.15 louvre", 6, kNone},
        {"unknown fin type", "12mm", "aluminium 0.15 rippled", 10, kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil = coil12mm(row.fin, row.finDensity);
        coil.TubeDiameter = row.tube;
        coil.FinResistance = -1;
        SetFinResistance(coil);
        if (std::isnan(row.resistance)) {
            EXPECT_TRUE(std::isnan(coil.FinResistance)) << coil.FinResistance;
        } else {
            expectNear(coil.FinResistance, row.resistance, 1e-6);
        }
    }
}

// Bare tubes: 26 x 3.14 x 12.3 mm outside, 26 x 3.14 x 11.5 mm inside, per metre.
TEST(CoilSurfaces, PlainTubeCoilHasTheBareOutsideSurface) {
    CurrentCoil coil = coil12mm("Aluminium 0.15 rippled", 0);
    CalcInsideArea(coil);
    CalcCoilSurfaces(coil);

    EXPECT_EQ(coil.FinCount, 0.0F);
    EXPECT_EQ(coil.FinAreaPerRow, 0.0F);
    expectNear(coil.InsideAreaPerRow, 0.93886, 1e-6);
    expectNear(coil.BareTubeAreaPerRow, 1.004172, 1e-6);
    expectNear(coil.OutsideAreaPerRow, 1.004172, 1e-6);
    expectNear(coil.AreaRatio, 1.06956522, 1e-6);
}

// A 10 mm bore, 1000 kg/m3 and 1 mPa s give Re = 10000 x velocity; Pr = 0.001 x 4180 / 0.6 =
// 6.96667, so the turbulent law gives 69.1713 at Re 10000.
TEST(TubeSideCoefficient, NusseltBlendIsContinuousAtBothEnds) {
    struct Row {
        const char* name;
        double reynolds, nusselt, resistance;
    };
    const Row rows[] = {
        {"just below 2100", 2099.5, 4.36, 0.0764525994},
        {"2100 starts the blend at the laminar value", 2100, 4.36, 0.0764525994},
        {"just above 2100", 2100.5, 4.3641019, 0.076380737},
        {"midway", 6050, 36.765663, 0.0090664299},
        {"10000 ends the blend at the turbulent value", 10000, 69.171326, 0.0048189522},
        {"just above 10000", 10000.5, 69.174088, 0.0048187599},
        {"turbulent", 40000, 209.68825, 0.0015896613},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil;
        coil.TubeID = 0.01F;
        coil.FluidDensity = 1000;
        coil.FluidViscosity = 1;
        coil.FluidSpecificHeat = 4180;
        coil.FluidConductivity = 0.6F;
        coil.AreaRatio = 20;
        coil.FluidVelocity = static_cast<float>(row.reynolds / 10000.0);
        CalcTubeSideCoefficient(coil);
        expectNear(coil.FluidReynolds, row.reynolds, 1e-6);
        expectNear(coil.FluidPrandtl, 6.9666667, 1e-6);
        expectNear(coil.FluidNusselt, row.nusselt, 1e-6);
        // Referred to the outside surface: area ratio 20 over the film coefficient.
        expectNear(coil.FluidResistance, row.resistance, 1e-6);
    }
}

// U = 1 / 0.02 = 50 on 10 m2 a row over 4 rows: NTU = 2000 / the smaller rate.
TEST(Effectiveness, NtuOnTheSmallerRateAndARatioOfOneKeptAs099) {
    struct Row {
        const char* name;
        float airRate, fluidRate, ratio, storedRatio;
        double ntu, effectiveness;
    };
    const Row rows[] = {
        {"fluid smaller", 4000, 1000, 0.25F, 0.25F, 2.0, 0.82273662},
        {"equal rates", 2000, 2000, 0.25F, 0.25F, 1.0, 0.59825063},
        {"a ratio of 1 (0/0 in the formula)", 2000, 2000, 1.0F, 0.99F, 1.0, 0.50122499},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil;
        coil.TotalResistance = 0.02F;
        coil.OutsideAreaPerRow = 10;
        coil.Rows = 4;
        coil.AirCapacityRate = row.airRate;
        coil.FluidCapacityRate = row.fluidRate;
        coil.CapacityRatio = row.ratio;
        for (const int trial : {1, 2}) { // a later trial sees the stored ratio
            SCOPED_TRACE(trial);
            CalcEffectiveness(coil);
            EXPECT_EQ(coil.CapacityRatio, row.storedRatio);
            expectNear(coil.OverallU, 50, 1e-6);
            expectNear(coil.NTU, row.ntu, 1e-6);
            expectNear(coil.Effectiveness, row.effectiveness, 1e-6);
        }
    }
}

// A rated coil worked through by hand: "12mm", "Aluminium 0.15 louvre" at a fixed 10 FPI,
// 4 rows of 26 tubes by 1000 mm, "H" circuits (13), one section, 2.5 m/s face velocity with
// air on at 20 C, and 1 l/s of water-like fluid (0.741 m/s in the tubes), run in the rating
// order. The fins: 394 of 0.15 mm on a 38.1 x 33 mm cell; the fluid: Re 8521, in the blend;
// the fluid pressure drop: 8 tubes per circuit, 7 bends of 0.5 m, a 1 1/4 inch header.
TEST(CompleteCoil, RatedByHand) {
    CurrentCoil coil = coil12mm("Aluminium 0.15 louvre", 10);
    coil.FinDensityMode = "Fixed";
    coil.Rows = 4;
    coil.Sections = 1;
    coil.CircuitType = "H";
    coil.Circuits = 13;
    coil.FaceVelocity = 2.5F;
    coil.FluidDensity = 1000;
    coil.FluidViscosity = 1;
    coil.FluidSpecificHeat = 4180;
    coil.FluidConductivity = 0.6F;
    coil.FluidFlow = 1;
    coil.FluidVelocity = 0.7409541F;
    coil.AirCapacityRate = 3006.85F; // 2.5 m/s x 0.994 m2 x 1.21 x 1000
    coil.FluidCapacityRate = 4180;
    coil.CapacityRatio = 0.7193421F;

    CalcAirSideCoefficient(coil);
    CalcAirPressureDrop(coil);
    CalcInsideArea(coil);
    SetFinResistance(coil);
    CalcCoilSurfaces(coil);
    CalcTubeSideCoefficient(coil);
    coil.TotalResistance = numbers::store(double{coil.FluidResistance} +
                                          double{coil.AirResistance} + double{coil.FinResistance});
    CalcEffectiveness(coil);
    CalcFluidPressureDrop(coil);

    expectNear({{"FinThickness (not thin at 10 FPI)", coil.FinThickness, 0.00015},
                {"AirPDPerRow", coil.AirPDPerRow, 26.973991},
                {"CoilAirPD", coil.CoilAirPD, 107.89597},
                {"TotalAirPD", coil.TotalAirPD, 139.14597},
                {"FinCount", coil.FinCount, 394},
                {"BareTubeAreaPerRow", coil.BareTubeAreaPerRow, 0.94482541},
                {"FinAreaPerRow", coil.FinAreaPerRow, 23.206213},
                {"OutsideAreaPerRow", coil.OutsideAreaPerRow, 24.151039},
                {"AreaRatio", coil.AreaRatio, 25.723791},
                {"FluidReynolds", coil.FluidReynolds, 8520.9727},
                {"FluidNusselt", coil.FluidNusselt, 57.037434},
                {"FluidResistance", coil.FluidResistance, 0.0086441357},
                {"OverallU", coil.OverallU, 39.118706},
                {"NTU", coil.NTU, 1.2568067},
                {"Effectiveness", coil.Effectiveness, 0.60108697},
                {"HeaderPD", coil.HeaderPD, 7198.5845},
                {"FluidPD", coil.FluidPD, 16.227121}},
               1e-6);
    EXPECT_EQ(coil.HeaderSizeIndex, 3);
    EXPECT_EQ(coil.Headers, 1);
}

} // namespace
} // namespace rac::coil
