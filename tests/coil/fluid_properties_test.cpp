#include "coil/fluid_properties.h"
#include "foundation/messages.h"
#include "support/compare.h"

#include <gtest/gtest.h>
#include <string>

namespace rac::coil {
namespace {

using test::expectNear;

// A value no property can take, to see which fields the dispatcher wrote.
constexpr float kUntouched = -12345.0f;

CurrentCoil coilWithUntouchedProperties() {
    CurrentCoil coil;
    coil.FluidDensity = kUntouched;
    coil.FluidViscosity = kUntouched;
    coil.FluidSpecificHeat = kUntouched;
    coil.FluidConductivity = kUntouched;
    return coil;
}

struct Dispatch {
    CurrentCoil coil = coilWithUntouchedProperties();
    RecordingMessageSink sink;
    bool calcAbort = false;
    CalcStatus status{sink, calcAbort};

    Dispatch(std::string_view glycolSelect, float glycolPercent, double temperature) {
        CalcFluidProperties(coil, status, glycolSelect, glycolPercent, temperature);
    }
};

// Published check values of the correlations in the units the coil holds (viscosity mPa s, specific
// heat J/(kg K)), each to half a unit of its last printed digit: one row for each way through the
// dispatcher. 0 % is water whatever the kind.
TEST(CalcFluidProperties, ReferenceTableInCoilUnits) {
    struct Row {
        const char *name, *glycolSelect;
        float glycolPercent;
        double temperature;
        double density, specificHeat, conductivity, viscosity;
    };
    const Row rows[] = {
        {"water (EGS 0 %) 20 C", "EGS", 0, 20, 998.52, 4192.5, 0.6036, 1.0045},
        {"water (PGS 0 %) 5 C", "PGS", 0, 5, 999.46, 4188.8, 0.5782, 1.5189},
        {"EGS 5 C 30 %", "EGS", 30, 5, 1049.87, 3598.3, 0.4379, 3.4947},
        {"PGS 20 C 20 %", "PGS", 20, 20, 1018.30, 3961.2, 0.4938, 1.9818},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Dispatch run(row.glycolSelect, row.glycolPercent, row.temperature);
        EXPECT_NEAR(run.coil.FluidDensity, row.density, 0.005 + 1e-4); // + float storage
        EXPECT_NEAR(run.coil.FluidSpecificHeat, row.specificHeat, 0.05);
        EXPECT_NEAR(run.coil.FluidConductivity, row.conductivity, 0.00005);
        EXPECT_NEAR(run.coil.FluidViscosity, row.viscosity, 0.00005);
        EXPECT_TRUE(run.sink.shown().empty());
        EXPECT_FALSE(run.status.CalcAbort);
    }
}

// The glycol viscosity range [-10, 25] C decides (its ends are the viscosity functions' own
// tests, glycol inside it is accepted in the reference rows and EGS at 25.01 C is refused
// below); pure water is never refused.
TEST(CalcFluidProperties, GlycolRefusedOutsideItsViscosityRange) {
    struct Row {
        const char *name, *glycolSelect;
        float glycolPercent;
        double temperature;
        bool refused;
    };
    const Row rows[] = {
        {"PGS 0.5 % at 60 C", "PGS", 0.5f, 60, true},
        {"water (EGS 0 %) at 60 C", "EGS", 0, 60, false},
        {"water (PGS 0 %) at 60 C", "PGS", 0, 60, false},
        {"water (PGS 0 %) at -15 C", "PGS", 0, -15, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Dispatch run(row.glycolSelect, row.glycolPercent, row.temperature);
        EXPECT_EQ(run.status.CalcAbort, row.refused);
        EXPECT_EQ(run.sink.shown().size(), row.refused ? 1u : 0u);
        if (row.refused) {
            EXPECT_EQ(run.coil.FluidViscosity, 0.0f);
        } else {
            EXPECT_GT(run.coil.FluidViscosity, 0.0f);
        }
    }
}

TEST(CalcFluidProperties, RefusalShowsGlycolMessageAndStillSetsTheOtherProperties) {
    const Dispatch run("EGS", 30, 25.01);

    ASSERT_EQ(run.sink.shown().size(), 1u);
    const Message& message = run.sink.shown().front();
    EXPECT_EQ(message.title, "Glycol Not Appropriate");
    EXPECT_EQ(message.text,
              "Inappropriate use of glycol for fluid temperature of coil. Do not use glycol.");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, std::vector<MessageButton>{MessageButton::OK});
    EXPECT_TRUE(message.helpFile.empty());
    EXPECT_TRUE(run.status.CalcAbort);

    EXPECT_EQ(run.coil.FluidViscosity, 0.0f);
    // EGS 30 % at 25.01 C, worked by hand.
    expectNear(run.coil.FluidDensity, 1042.8511, 1e-6);
    expectNear(run.coil.FluidSpecificHeat, 3654.8953, 1e-6);
    expectNear(run.coil.FluidConductivity, 0.46126303, 1e-6);
}

// Selection and rating each call the dispatcher once per coil calculation: every call decides
// afresh, and every refused call shows its message again.
TEST(CalcFluidProperties, EachCallDecidesAfresh) {
    CurrentCoil coil = coilWithUntouchedProperties();
    RecordingMessageSink sink;
    bool calcAbort = false;
    CalcStatus status{sink, calcAbort};

    CalcFluidProperties(coil, status, "PGS", 30, 30);
    CalcFluidProperties(coil, status, "PGS", 30, 30);
    EXPECT_EQ(sink.shown().size(), 2u);

    bool nextAbort = false;
    CalcStatus next{sink, nextAbort};
    CalcFluidProperties(coil, next, "PGS", 30, 10);
    EXPECT_FALSE(next.CalcAbort);
    EXPECT_EQ(sink.shown().size(), 2u);
    EXPECT_GT(coil.FluidViscosity, 0.0f);
}

// Only the exact, case-sensitive kinds "EGS" and "PGS" select a glycol; with any other text and
// a non-zero percentage the dispatcher sets nothing.
TEST(CalcFluidProperties, UnknownGlycolKindWithPercentageSetsNothing) {
    for (const char* glycolSelect : {"egs", "", "EGS "}) {
        SCOPED_TRACE(std::string("kind \"") + glycolSelect + "\"");
        const Dispatch run(glycolSelect, 30, 5);
        EXPECT_EQ(run.coil.FluidDensity, kUntouched);
        EXPECT_EQ(run.coil.FluidViscosity, kUntouched);
        EXPECT_EQ(run.coil.FluidSpecificHeat, kUntouched);
        EXPECT_EQ(run.coil.FluidConductivity, kUntouched);
        EXPECT_TRUE(run.sink.shown().empty());
        EXPECT_FALSE(run.status.CalcAbort);
    }
}

} // namespace
} // namespace rac::coil
