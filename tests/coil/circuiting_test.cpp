#include "coil/circuiting.h"
#include "coil/coil_code.h"
#include "coil/coil_geometry.h"
#include "coil/pressure_drop.h"
#include "support/compare.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace rac::coil {
namespace {

using test::kNone;

TEST(CircuitCounts, FractionsRoundHalfToEven) {
    EXPECT_EQ(circuitsForType("1B", 26), 1);
    EXPECT_EQ(circuitsForType("2B", 26), 2);
    EXPECT_EQ(circuitsForType("H", 27), 14);
    EXPECT_EQ(circuitsForType("H", 25), 12);
    EXPECT_EQ(circuitsForType("P", 26), 17);
    EXPECT_EQ(circuitsForType("F", 26), 26);
    EXPECT_EQ(circuitsForType("Q", 13), 20);
    EXPECT_EQ(circuitsForType("D", 26), 52);
    EXPECT_FALSE(circuitsForType("h", 26).has_value());
    EXPECT_FALSE(circuitsForType("", 26).has_value());
}

TEST(CircuitTableTest, CandidatesByRows) {
    EXPECT_EQ(CircuitTable(1, 1), "H");
    EXPECT_EQ(CircuitTable(1, 2), "");
    EXPECT_EQ(CircuitTable(3, 2), "F");
    EXPECT_EQ(CircuitTable(4, 2), "P");
    EXPECT_EQ(CircuitTable(4, 4), "D");
    EXPECT_EQ(CircuitTable(16, 4), "Q");
    EXPECT_EQ(CircuitTable(5, 1), "");
    EXPECT_EQ(CircuitTable(17, 1), "");
    EXPECT_EQ(CircuitTable(6, 0), ""); // position 0 is never used
}

// A 12mm coil of 26 tubes, 1000 mm long, carrying water.
CurrentCoil WaterCoil(float flowLitres, int16_t rows, float maxPD) {
    CurrentCoil c;
    c.TubeDiameter = "12mm";
    c.FinType = "Aluminium 0.15 louvre";
    c.TubesHigh = 26;
    c.FinnedLength = 1000;
    c.Sections = 1;
    c.Rows = rows;
    c.FluidFlow = flowLitres;
    c.FluidDensity = 999.7f;
    c.FluidViscosity = 1.3f;
    c.MaxFluidPD = maxPD;
    EXPECT_TRUE(SetCoilGeometry(c));
    return c;
}

// Velocities and pressure drops worked by hand.
TEST(OptimiseCircuits, FirstCandidateWithinTwoMetresPerSecondAndThePressureLimit) {
    struct Row {
        const char *name, *type;
        float flow, maxPD;
        int16_t rows, circuits;
        bool exhausted;
        double velocity, fluidPD; // m/s, kPa
    };
    const Row rows[] = {
        {"fewest circuits under the limit", "H", 0.5f, 1000, 4, 13, false, 0.37047705, 7.2958121},
        // 13 "H" circuits would carry 3 l/s at 2.22 m/s.
        {"over 2 m/s skips H", "P", 3.0f, 1000, 4, 17, false, 1.6998359, 42.845757},
        {"all over the limit ends on the last", "D", 1.0f, 0.0001f, 8, 52, true, 0.18523853,
         7.9996023},
        {"a row count without candidates ends at once", "", 1.0f, 50, 5, 7, true, kNone, kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurrentCoil c = WaterCoil(row.flow, row.rows, row.maxPD);
        c.Circuits = 7;
        c.CircuitsExhausted = !row.exhausted; // the flag of an earlier search must not survive
        OptimiseCircuits(c);
        EXPECT_EQ(c.CircuitType, row.type);
        EXPECT_EQ(c.Circuits, row.circuits);
        EXPECT_EQ(c.CircuitsExhausted, row.exhausted);
        if (!std::isnan(row.velocity)) {
            test::expectNear(c.FluidVelocity, row.velocity, 1e-6);
            test::expectNear(c.FluidPD, row.fluidPD, 1e-6);
        }
    }
}

TEST(OptimiseCircuits, ACandidateMustBeStrictlyBelowTheLimit) {
    CurrentCoil h = WaterCoil(0.5f, 4, 1000);
    OptimiseCircuits(h);
    ASSERT_EQ(h.CircuitType, "H");
    CurrentCoil tight = WaterCoil(0.5f, 4, h.FluidPD);
    OptimiseCircuits(tight);
    EXPECT_EQ(tight.CircuitType, "P");
}

struct ConfigurationCase {
    const char* type;
    int16_t rows;
    const char* title; // empty: no message
    bool aborts;
};

// Q on 2 rows stops a selection in the calculation tests.
TEST(CheckCoilConfiguration, WarningsAndUncircuitableCoils) {
    const ConfigurationCase cases[] = {
        {"P", 1, "Coil Uncircuitable", true},
        {"F", 1, "Non-Standard Coil Configuration - Extract Coil", false},
        {"F", 2, "", false},
        {"1B", 17, "", false},
        {"1B", 3, "Non-Standard Coil Configuration - Extract Coil", false},
        {"2B", 2, "", false},
        {"H", 5, "", false},
        {"Q", 4, "Non-Standard Coil Configuration - Extract Coil", false},
        {"D", 3, "Coil Uncircuitable", true},
        {"D", 2, "Non-Standard Coil Configuration - Extract Coil", false},
        {"D", 16, "", false},
    };
    for (const ConfigurationCase& k : cases) {
        RecordingMessageSink sink;
        bool calcAbort = false;
        CalcStatus status(sink, calcAbort);
        CurrentCoil c;
        c.Side = CoilSide::Extract;
        c.CircuitType = k.type;
        c.Rows = k.rows;
        CheckCoilConfiguration(c, status);
        const std::string label = std::string(k.type) + " " + std::to_string(k.rows);
        EXPECT_EQ(status.CalcAbort, k.aborts) << label;
        if (std::string(k.title).empty()) {
            EXPECT_TRUE(sink.shown().empty()) << label;
            continue;
        }
        ASSERT_EQ(sink.shown().size(), 1u) << label;
        EXPECT_EQ(sink.shown()[0].title, k.title) << label;
    }
}

TEST(CheckCoilConfiguration, WarningHasOkAndHelpAndNoIcon) {
    RecordingMessageSink sink;
    bool calcAbort = false;
    CalcStatus status(sink, calcAbort);
    CurrentCoil c;
    c.Side = CoilSide::Supply;
    c.CircuitType = "F";
    c.Rows = 5;
    CheckCoilConfiguration(c, status);
    ASSERT_EQ(sink.shown().size(), 1u);
    const Message& m = sink.shown()[0];
    EXPECT_EQ(m.title, "Non-Standard Coil Configuration - Supply Coil");
    EXPECT_EQ(m.text, "Non-standard coil configuration for a F type coil. For a standard "
                      "configuration the coil should have  2, 3, 4, 6, 8, 10, 12, 14 or 16 rows.");
    EXPECT_EQ(m.icon, MessageIcon::None);
    EXPECT_EQ(m.buttons, (std::vector{MessageButton::OK, MessageButton::Help}));
    EXPECT_EQ(m.helpFile, "zylrac.hlp");
    EXPECT_EQ(m.helpContext, 1);
}

TEST(SetConnectionSize, HeaderSizeOrBundleTubes) {
    struct Row {
        const char* type;
        int16_t index;
        const char* size;
        int16_t headers; // from 3
    };
    const Row rows[] = {
        {"H", 1, "¾ inch", 3}, {"D", 6, "2½ inch", 3}, {"1B", 4, "15mm", 1}, {"2B", 4, "22mm", 1}};
    for (const Row& row : rows) {
        CurrentCoil c;
        c.CircuitType = row.type;
        c.HeaderSizeIndex = row.index;
        c.Headers = 3;
        SetConnectionSize(c);
        EXPECT_EQ(c.ConnectionSize, row.size) << row.type;
        EXPECT_EQ(c.Headers, row.headers) << row.type;
    }
}

TEST(BuildCoilCode, WorkedExamples) {
    struct Row {
        const char *tube, *mode, *type;
        int16_t circuits;
        float finDensity;
        int16_t rows;
        float finnedLength;
        const char* code;
    };
    const Row rows[] = {
        {"12mm", "Fixed", "H", 0, 10, 4, 1000, "12WH10.4-26Tx1000"},
        {"12mm", "Number", "H", 12, 10, 4, 1000, "12WS1210.4-26Tx1000"},
        {"12mm", "Optimise", "F", 0, 0, 2, 1000, "12WF0.2-26Tx1000"},
        {"16mm", "Optimise", "F", 0, 0, 2, 1250.5F, "16WF0.2-26Tx1250.5"},
    };
    for (const Row& row : rows) {
        CurrentCoil c;
        c.TubeDiameter = row.tube;
        c.CircuitMode = row.mode;
        c.CircuitType = row.type;
        c.CircuitNumber = row.circuits;
        c.FinDensity = row.finDensity;
        c.Rows = row.rows;
        c.TubesHigh = 26;
        c.FinnedLength = row.finnedLength;
        BuildCoilCode(c);
        EXPECT_EQ(c.CoilCode, row.code);
    }
}

} // namespace
} // namespace rac::coil
