#include "coil/pressure_drop.h"
#include "support/compare.h"

#include <cmath>
#include <gtest/gtest.h>

namespace rac::coil {
namespace {

using test::expectNear;

// Velocity (m/s) of a flow (l/s) through one header of a nominal size (inches).
double headerVelocity(double flow, double inches) {
    const double diameter = inches * 0.0254;
    return flow / 1000 / (3.14 / 4 * diameter * diameter);
}

double headerLoss(double velocityHead, double tubeVelocity, double headerVelocity) {
    const double ratio = tubeVelocity / headerVelocity;
    return velocityHead * (10.2 / (ratio * ratio) - 4.6 / ratio + 4.4);
}

TEST(HeaderPressureDrop, SizesHeadersByFlowPerSection) {
    struct Row {
        const char* name;
        float flow;
        int16_t sections, index, headers;
        double velocity; // in each header, as the loss sees it
    };
    const Row rows[] = {
        {"0.3 l/s: 3/4 inch, velocity x 0.56", 0.3F, 1, 1, 1, headerVelocity(0.3, 0.75) * 0.56},
        {"1 l/s: 1 1/4 inch", 1, 1, 3, 1, headerVelocity(1, 1.25)},
        {"5 l/s: 2 1/2 inch", 5, 1, 6, 1, headerVelocity(5, 2.5)},
        {"7.5 l/s: one 3 inch header reported as index 6", 7.5F, 1, 6, 1, headerVelocity(7.5, 3)},
        {"8 l/s: 3 inch at 1.755 m/s, two headers", 8, 1, 6, 2, headerVelocity(8, 3) / 2},
        {"16 l/s over two sections as 8 l/s", 16, 2, 6, 2, headerVelocity(8, 3) / 2},
        {"20 l/s: three headers", 20, 1, 6, 3, headerVelocity(20, 3) / 3},
        {"30 l/s: four headers share the flow equally", 30, 1, 6, 4, headerVelocity(30, 3) / 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil;
        coil.FluidFlow = row.flow;
        coil.Sections = row.sections;
        coil.FluidVelocity = 1.2F;
        CalcHeaderPressureDrop(coil, 720.0);
        EXPECT_EQ(coil.HeaderSizeIndex, row.index);
        EXPECT_EQ(coil.Headers, row.headers);
        expectNear(coil.HeaderPD, headerLoss(720.0, 1.2, row.velocity), 1e-5);
    }
}

TEST(HeaderPressureDrop, NoSectionsEndsWithANonFiniteLossInsteadOfHanging) {
    CurrentCoil coil;
    coil.FluidFlow = 8;
    coil.Sections = 0;
    coil.FluidVelocity = 1.2F;
    CalcHeaderPressureDrop(coil, 720.0);
    EXPECT_EQ(coil.Headers, 1);
    EXPECT_FALSE(std::isfinite(coil.HeaderPD));
}

TEST(FluidPressureDrop, TubesBendsAndHeaders) {
    struct Row {
        const char *name, *tube, *circuitType;
        int16_t rows;
        float tubesHigh;
        int16_t circuits;
        float velocity;
        double bendLength;
        bool header;
    };
    const Row rows[] = {
        {"laminar 1B, no header", "12mm", "1B", 2, 8, 1, 0.1F, 0.5, false},
        {"turbulent 2B on 16mm bends", "16mm", "2B", 2, 8, 2, 1.5F, 1.0, false},
        {"H with a header", "12mm", "H", 4, 26, 13, 0.8F, 0.5, true},
        {"tubes per circuit not rounded", "12mm", "F", 1, 26, 4, 0.8F, 0.5, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil;
        coil.TubeDiameter = row.tube;
        coil.CircuitType = row.circuitType;
        coil.Rows = row.rows;
        coil.TubesHigh = row.tubesHigh;
        coil.Circuits = row.circuits;
        coil.FluidVelocity = row.velocity;
        coil.FinnedLength = 1200;
        coil.TubeID = 0.0115F;
        coil.FluidDensity = 1050;
        coil.FluidViscosity = 2.5F;
        coil.FluidFlow = 1.5F;
        coil.Sections = 1;
        coil.HeaderPD = -1;
        CalcFluidPressureDrop(coil);

        const double reynolds = row.velocity * 1050 * 0.0115 / 0.0025;
        const double friction = reynolds < 2100 ? 64 / reynolds : 0.316 * std::pow(reynolds, -0.25);
        const double tubes = double{row.tubesHigh} * row.rows / row.circuits;
        const double length = 1.2 * tubes + row.bendLength * (tubes - 1);
        const double head = double{row.velocity} * row.velocity * 1050 / 2;
        const double tubePD = friction * length / 0.0115 * head;
        expectNear(coil.FluidReynolds, reynolds, 1e-6);
        if (row.header) {
            EXPECT_GT(coil.HeaderPD, 0.0F);
            EXPECT_EQ(coil.HeaderSizeIndex, 4); // 1.5 l/s in a 1 1/2 inch header
        } else {
            EXPECT_EQ(coil.HeaderPD, 0.0F);
        }
        expectNear(coil.FluidPD, (tubePD + coil.HeaderPD) / 1000, 1e-5);
    }
}

TEST(AirPressureDrop, LawByFinPatternAndTubeWithThinFinThickness) {
    struct Row {
        const char *name, *tube, *fin;
        float finDensity;
        double c;        // 0: plain tubes, NaN: no data
        double exponent; // of the gap ratio
        float thicknessBefore;
        double thicknessAfter;
    };
    const Row rows[] = {
        {"12mm louvre", "12mm", "Aluminium 0.25 louvre", 10, 6.7, -1.322, 0.00025F, 0.00025},
        {"12mm vinyl coated louvre", "12mm", "Aluminium vinyl coated 0.15 louvre", 10, 6.7, -1.322,
         0.00015F, 0.00015},
        {"12mm copper louvre", "12mm", "Copper 0.15 louvre", 12, 6.7, -1.322, 0.00015F, 0.00015},
        {"12mm rippled", "12mm", "Aluminium 0.25 rippled", 10, 4.3, -1.034, 0.00025F, 0.00025},
        {"12mm vinyl coated rippled", "12mm", "Aluminium vinyl coated 0.15 rippled", 8, 4.3, -1.034,
         0.00015F, 0.00015},
        {"16mm rippled", "16mm", "Copper 0.25 rippled", 10, 11.2, -0.74, 0.00025F, 0.00025},
        {"thin rippled at 6 FPI is 0.25 mm", "12mm", "Aluminium 0.15 rippled", 6, 4.3, -1.034,
         0.00015F, 0.00025},
        {"thin louvre at 5 FPI is 0.25 mm", "12mm", "Aluminium 0.15 louvre", 5, 6.7, -1.322,
         0.00015F, 0.00025},
        {"16mm thin rippled at 4 FPI is 0.25 mm", "16mm", "Aluminium 0.15 rippled", 4, 11.2, -0.74,
         0.00015F, 0.00025},
        {"thin rippled at 8 FPI stays 0.15 mm", "12mm", "Aluminium 0.15 rippled", 8, 4.3, -1.034,
         0.00015F, 0.00015},
        {"vinyl coated at 6 FPI stays 0.15 mm", "12mm", "Aluminium vinyl coated 0.15 louvre", 6,
         6.7, -1.322, 0.00015F, 0.00015},
        {"copper at 6 FPI stays 0.15 mm", "12mm", "Copper 0.15 rippled", 6, 4.3, -1.034, 0.00015F,
         0.00015},
        {"plain tubes", "12mm", "Copper 0.15 rippled", 0, 0, 0, 0.00015F, 0.00015},
        {"plain tubes of a thin aluminium type", "16mm", "Aluminium 0.15 rippled", 0, 0, 0,
         0.00015F, 0.00025},
        {"unknown fin type", "12mm", "Brass 0.15 rippled", 10, std::nan(""), 0, 0.00015F, 0.00015},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil coil;
        coil.TubeDiameter = row.tube;
        coil.FinType = row.fin;
        coil.FinDensity = row.finDensity;
        coil.FinThickness = row.thicknessBefore;
        coil.TubeOD = 0.0123F;
        coil.CoreVelocity = 3.7F;
        coil.AirReynolds = 3000;
        coil.AirDensity = 1.21F;
        coil.Rows = 6;
        coil.FaceVelocity = 2.5F;
        CalcAirPressureDrop(coil);
        if (std::isnan(row.c)) {
            EXPECT_TRUE(std::isnan(coil.TotalAirPD));
            continue;
        }
        const double perRow =
            row.c == 0 ? 0.22 * std::pow(3.7, 1.87)
                       : row.c * std::pow(3000.0, -0.36) *
                             std::pow((25.4 / row.finDensity - row.thicknessAfter * 1000) / 12.3,
                                      row.exponent) *
                             3.7 * 3.7 * 0.5 * 1.21;
        expectNear(coil.FinThickness, row.thicknessAfter, 1e-6);
        expectNear(coil.AirPDPerRow, perRow, 1e-5);
        expectNear(coil.CoilAirPD, 6 * perRow, 1e-5);
        expectNear(coil.TotalAirPD, 20 * 1.25 * 1.25 + 6 * perRow, 1e-5);
    }
}

} // namespace
} // namespace rac::coil
