#include "coil/heat_transfer.h"
#include "coil/pressure_drop.h"
#include "foundation/numbers.h"
#include "support/compare.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace rac::coil {
namespace {

using test::expectNear;

// A "12mm" coil of 26 tubes by 1000 mm with the tube data written out as literals, so that the
// expectations below do not lean on the catalogue.
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

// Air at 20 C by the reference values of the air property functions.
constexpr double kAirViscosity20 = 1.8106e-5;
constexpr double kAirConductivity20 = 0.025733;
constexpr double kAirPrandtl20 = 0.7036;

double airReynolds(double coreVelocity, double tubeOD) {
    return coreVelocity * 1.21 * tubeOD / kAirViscosity20;
}

double counterflowEffectiveness(double ntu, double ratio) {
    const double x = std::pow(2.718, -ntu * (1.0 - ratio));
    return (1.0 - x) / (1.0 - ratio * x);
}

TEST(AirSideCoefficient, ConstantFollowsTubeFinAndFixedPlainTubeRules) {
    const double none = std::nan("");
    struct Row {
        const char *name, *tube, *fin, *mode;
        float finDensity;
        double c;
    };
    const Row rows[] = {
        {"12mm rippled", "12mm", "Aluminium 0.15 rippled", "Optimise", 10, 0.47},
        {"12mm copper rippled", "12mm", "Copper 0.25 rippled", "Maximum", 8, 0.47},
        {"12mm vinyl rippled", "12mm", "Aluminium vinyl coated 0.15 rippled", "Fixed", 8, 0.47},
        {"12mm louvre", "12mm", "Aluminium 0.15 louvre", "Optimise", 10, 0.83},
        {"12mm vinyl louvre", "12mm", "Aluminium vinyl coated 0.15 louvre", "Fixed", 8, 0.83},
        {"12mm fixed 0 FPI overrides louvre", "12mm", "Aluminium 0.15 louvre", "Fixed", 0, 0.39},
        {"12mm fixed 0 FPI overrides rippled", "12mm", "Copper 0.15 rippled", "Fixed", 0, 0.39},
        {"12mm fixed 10 FPI keeps the fin", "12mm", "Aluminium 0.25 rippled", "Fixed", 10, 0.47},
        {"12mm 0 FPI not fixed keeps the fin", "12mm", "Aluminium 0.15 louvre", "Optimise", 0,
         0.83},
        {"16mm rippled", "16mm", "Aluminium 0.15 rippled", "Optimise", 10, 0.6},
        {"16mm fixed 0 FPI", "16mm", "Copper 0.25 rippled", "Fixed", 0, 0.42},
        {"16mm louvre is not offered", "16mm", "Aluminium 0.15 louvre", "Optimise", 10, none},
        {"unknown fin type", "12mm", "Aluminium 0.15 ripled", "Optimise", 10, none},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil = coil12mm(row.fin, row.finDensity);
        coil.TubeDiameter = row.tube;
        coil.FinDensityMode = row.mode;
        CalcAirSideCoefficient(coil);
        if (std::isnan(row.c)) {
            EXPECT_TRUE(std::isnan(coil.AirResistance)) << coil.AirResistance;
            continue;
        }
        const double reynolds = airReynolds(3.7, 0.0123);
        const double nusselt = row.c * std::pow(reynolds, 0.53) * std::pow(kAirPrandtl20, 0.33);
        expectNear(coil.AirReynolds, reynolds, 1e-4);
        expectNear(coil.AirPrandtl, kAirPrandtl20, 1e-4);
        expectNear(coil.AirNusselt, nusselt, 2e-4);
        expectNear(coil.AirResistance, 0.0123 / (nusselt * kAirConductivity20), 2e-4);
    }
}

TEST(FinResistance, ByTubeAndFinWithPlainTubeThenThinFinOrder) {
    const double none = std::nan("");
    struct Row {
        const char *name, *tube, *fin;
        float finDensity;
        double resistance;
    };
    const Row rows[] = {
        {"12mm aluminium 0.15 rippled", "12mm", "Aluminium 0.15 rippled", 8, 0.0077},
        {"12mm aluminium 0.15 louvre at 7 FPI", "12mm", "Aluminium 0.15 louvre", 7, 0.0077},
        {"12mm aluminium 0.25 louvre", "12mm", "Aluminium 0.25 louvre", 10, 0.0048},
        {"12mm aluminium 0.4 rippled", "12mm", "Aluminium 0.4 rippled", 10, 0.0032},
        {"12mm vinyl louvre", "12mm", "Aluminium vinyl coated 0.15 louvre", 10, 0.0077},
        {"12mm copper 0.15 louvre", "12mm", "Copper 0.15 louvre", 10, 0.005},
        {"12mm copper 0.25 louvre", "12mm", "Copper 0.25 louvre", 10, 0.0031},
        {"16mm aluminium 0.15 rippled", "16mm", "Aluminium 0.15 rippled", 10, 0.0062},
        {"16mm aluminium 0.25 rippled", "16mm", "Aluminium 0.25 rippled", 10, 0.0039},
        {"16mm vinyl rippled", "16mm", "Aluminium vinyl coated 0.15 rippled", 10, 0.0062},
        {"16mm copper 0.15 rippled", "16mm", "Copper 0.15 rippled", 10, 0.004},
        {"16mm copper 0.25 rippled", "16mm", "Copper 0.25 rippled", 10, 0.0025},
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
        {"16mm aluminium 0.4 is not offered", "16mm", "Aluminium 0.4 rippled", 10, none},
        {"16mm thin louvre is not offered", "16mm", "Aluminium 0.15 louvre", 6, none},
        {"unknown fin type", "12mm", "aluminium 0.15 rippled", 10, none},
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

TEST(CoilSurfaces, PlainTubeCoilHasTheBareOutsideSurface) {
    CurrentCoil coil = coil12mm("Aluminium 0.15 rippled", 0);
    CalcInsideArea(coil);
    CalcCoilSurfaces(coil);

    const double bare = 1.0 * 26 * 3.14 * 0.0123;
    EXPECT_EQ(coil.FinCount, 0.0F);
    EXPECT_EQ(coil.FinAreaPerRow, 0.0F);
    expectNear(coil.InsideAreaPerRow, 26 * 3.14 * 0.0115 * 1.0, 1e-6);
    expectNear(coil.BareTubeAreaPerRow, bare, 1e-6);
    expectNear(coil.OutsideAreaPerRow, bare, 1e-6);
    expectNear(coil.AreaRatio, 0.0123 / 0.0115, 1e-6);
}

// The tube side at a chosen Reynolds number: 10 mm bore, 1000 kg/m3 and 1 mPa s give
// Re = 10000 x velocity; Pr = 0.001 x 4180 / 0.6.
CurrentCoil tubeSideAt(double reynolds) {
    CurrentCoil coil;
    coil.TubeID = 0.01F;
    coil.FluidDensity = 1000;
    coil.FluidViscosity = 1;
    coil.FluidSpecificHeat = 4180;
    coil.FluidConductivity = 0.6F;
    coil.AreaRatio = 20;
    coil.FluidVelocity = static_cast<float>(reynolds / 10000.0);
    CalcTubeSideCoefficient(coil);
    return coil;
}

TEST(TubeSideCoefficient, NusseltBlendIsContinuousAtBothEnds) {
    const double prandtl = 0.001 * 4180 / 0.6;
    const double turbulentAt10000 = 0.023 * std::pow(10000.0, 0.8) * std::pow(prandtl, 0.33);
    struct Row {
        const char* name;
        double reynolds, nusselt;
        double relTol; // loose where the row only shows that there is no step
    };
    const Row rows[] = {
        {"laminar", 1000, 4.36, 1e-6},
        {"just below 2100", 2099.5, 4.36, 1e-6},
        {"2100 starts the blend at the laminar value", 2100, 4.36, 1e-6},
        {"just above 2100", 2100.5, 4.36, 2e-3},
        {"midway", 6050, (turbulentAt10000 + 4.36) / 2, 1e-5},
        {"10000 ends the blend at the turbulent value", 10000, turbulentAt10000, 1e-5},
        {"just above 10000", 10000.5, turbulentAt10000, 2e-3},
        {"turbulent", 40000, 0.023 * std::pow(40000.0, 0.8) * std::pow(prandtl, 0.33), 1e-5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CurrentCoil coil = tubeSideAt(row.reynolds);
        expectNear(coil.FluidReynolds, row.reynolds, 1e-6);
        expectNear(coil.FluidPrandtl, prandtl, 1e-6);
        expectNear(coil.FluidNusselt, row.nusselt, row.relTol);
        // Resistance referred to the outside surface: area ratio over the film coefficient.
        expectNear(coil.FluidResistance, 20 / (row.nusselt * 0.6 / 0.01), row.relTol);
    }
}

TEST(Effectiveness, NtuOnTheSmallerRateAndARatioOfOneKeptAs099) {
    struct Row {
        const char* name;
        float airRate, fluidRate, ratio, storedRatio;
        double ntu;
    };
    const Row rows[] = {
        {"air smaller", 1000, 4000, 0.25F, 0.25F, 2.0},
        {"fluid smaller", 4000, 1000, 0.25F, 0.25F, 2.0},
        {"equal rates", 2000, 2000, 0.25F, 0.25F, 1.0},
        {"a ratio of 1 (0/0 in the formula)", 2000, 2000, 1.0F, 0.99F, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil;
        coil.TotalResistance = 0.02F; // U = 50
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
            expectNear(coil.Effectiveness, counterflowEffectiveness(row.ntu, row.storedRatio),
                       1e-6);
        }
    }
}

// A rated coil worked through by hand: "12mm", "Aluminium 0.15 louvre" at a fixed 10 FPI,
// 4 rows of 26 tubes by 1000 mm, "H" circuits (13), one section, 2.5 m/s face velocity with
// air on at 20 C, and 1 l/s of water-like fluid.
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
    coil.FluidVelocity = static_cast<float>(0.001 / (13 * 3.14 * 0.00575 * 0.00575));
    coil.AirCapacityRate = static_cast<float>(2.5 * 0.994 * 1.21 * 1000);
    coil.FluidCapacityRate = 4180;
    coil.CapacityRatio = numbers::store(double{coil.AirCapacityRate} / 4180);

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

    // Air side
    const double airRe = 3.7 * 1.21 * 0.0123 / kAirViscosity20;
    const double airNu = 0.83 * std::pow(airRe, 0.53) * std::pow(kAirPrandtl20, 0.33);
    const double airH = airNu * kAirConductivity20 / 0.0123;
    // Surfaces: 394 fins of 0.15 mm on a 38.1 x 33 mm cell
    const double inside = 26 * 3.14 * 0.0115;
    const double fins = 10 * 39.4;
    const double bare = (1.0 - 0.00015 * fins) * 26 * 3.14 * 0.0123;
    const double finArea = (0.0381 * 0.033 - 0.0126 * 0.0126 * 3.14 / 4) * 2 * fins * 26;
    const double outside = bare + finArea;
    // Tube side, in the blend between laminar and turbulent
    const double velocity = 0.001 / (13 * 3.14 * 0.00575 * 0.00575);
    const double fluidRe = velocity * 1000 * 0.0115 / 0.001;
    const double prandtl = 0.001 * 4180 / 0.6;
    const double nu10000 = 0.023 * std::pow(10000.0, 0.8) * std::pow(prandtl, 0.33);
    const double fluidNu = (nu10000 - 4.36) * (fluidRe - 2100) / 7900 + 4.36;
    const double fluidH = fluidNu * 0.6 / 0.0115;
    // Overall
    const double total = outside / inside / fluidH + 1 / airH + 0.0077;
    const double airRate = 2.5 * 0.994 * 1210;
    const double ntu = outside / total * 4 / airRate;
    // Air pressure drop: louvre law on a 2.39 mm gap
    const double gap = (2.54 - 0.15) / 12.3;
    const double airPerRow =
        6.7 * std::pow(airRe, -0.36) * std::pow(gap, -1.322) * 3.7 * 3.7 * 0.5 * 1.21;
    // Fluid pressure drop: 8 tubes per circuit, 7 bends of 0.5 m, a 1 1/4 inch header
    const double head = velocity * velocity * 1000 * 0.5;
    const double tubePD = 0.316 * std::pow(fluidRe, -0.25) * (11.5 / 0.0115) * head;
    const double ratio = velocity / (0.001 / (3.14 / 4 * 0.03175 * 0.03175));
    const double headerPD = head * (10.2 / (ratio * ratio) - 4.6 / ratio + 4.4);

    struct Row {
        const char* name;
        double actual, expected;
    };
    const Row rows[] = {
        {"AirReynolds", coil.AirReynolds, airRe},
        {"AirResistance", coil.AirResistance, 1 / airH},
        {"FinResistance", coil.FinResistance, 0.0077},
        {"InsideAreaPerRow", coil.InsideAreaPerRow, inside},
        {"FinCount", coil.FinCount, fins},
        {"BareTubeAreaPerRow", coil.BareTubeAreaPerRow, bare},
        {"FinAreaPerRow", coil.FinAreaPerRow, finArea},
        {"OutsideAreaPerRow", coil.OutsideAreaPerRow, outside},
        {"AreaRatio", coil.AreaRatio, outside / inside},
        {"FluidReynolds", coil.FluidReynolds, fluidRe},
        {"FluidNusselt", coil.FluidNusselt, fluidNu},
        {"FluidResistance", coil.FluidResistance, outside / inside / fluidH},
        {"OverallU", coil.OverallU, 1 / total},
        {"NTU", coil.NTU, ntu},
        {"Effectiveness", coil.Effectiveness, counterflowEffectiveness(ntu, airRate / 4180)},
        {"FinThickness", coil.FinThickness, 0.00015},
        {"AirPDPerRow", coil.AirPDPerRow, airPerRow},
        {"CoilAirPD", coil.CoilAirPD, 4 * airPerRow},
        {"TotalAirPD", coil.TotalAirPD, 20 * 1.25 * 1.25 + 4 * airPerRow},
        {"HeaderPD", coil.HeaderPD, headerPD},
        {"FluidPD", coil.FluidPD, (tubePD + headerPD) / 1000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectNear(row.actual, row.expected, 3e-4);
    }
    EXPECT_EQ(coil.HeaderSizeIndex, 3);
    EXPECT_EQ(coil.Headers, 1);
}

} // namespace
} // namespace rac::coil
