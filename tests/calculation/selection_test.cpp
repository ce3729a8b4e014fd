#include "calculation/coil_selection.h"
#include "calculation/selection_rating.h"
#include "calculation/startup_request.h"
#include "engine_run.h"
#include "support/compare.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rac::calculation {
namespace {

using test::expectNear;

void withFins(RunAroundData& data, const std::string& mode, float finDensity) {
    for (RunAroundCoil* coil : {&data.Supply, &data.Extract}) {
        coil->FinDensitySelect = mode;
        coil->FinDensity = finDensity;
    }
}

// The start-up request (0 to 10 C against 20 C, 2.5 m3/s each side, water) worked by hand: both
// coils need 0.7519 and get it at 8 rows and 10 FPI, where 6 and 8 FPI give 0.7305 and 0.7461
// (supply); the loop is 6.7 to 13.3 C at 1.094 l/s. The rows, fins, circuits, coil codes and
// connection sizes are shown whole in the startup_calculate transcript.
TEST(SelectRunAround, StartupSelectionWorkedByHand) {
    EngineRun run(StartupRequest(), Action::Select);
    EXPECT_FALSE(run.ctx.CalcAbort);
    EXPECT_TRUE(run.sink.shown().empty());
    const RunAroundData& d = run.ctx.data;
    expectNear(d.FluidT1, 6.7, 1e-6);
    expectNear(d.FluidT2, 13.3, 1e-6);
    expectNear(d.FluidFlowRate, 1.0943547, 1e-5);
    expectNear(d.DutyWattsSupply, 30250, 1e-6);
    struct Row {
        const char* name;
        const RunAroundCoil& coil;
        double airPD, totalAirPD;
    };
    const Row rows[] = {{"supply, air on at 0 C", d.Supply, 213.53238, 245.16078},
                        {"extract, air on at 20 C", d.Extract, 217.93225, 249.56065}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectNear(row.coil.ActualFluidPD, 31.72196, 1e-5);
        expectNear(row.coil.AirPD, row.airPD, 1e-5);
        expectNear(row.coil.TotalAirPD, row.totalAirPD, 1e-5);
    }
}

// The walk goes up in fin density, then in rows (1, 2, 3, 4, 6, 8 ... 16), and takes the first
// trial that beats the requirement: the fewest rows, and at those rows the lowest fin density.
// Worked by hand for both coils, which come out alike in these cases.
TEST(SelectRunAround, FirstFitOverRowsThenFinDensity) {
    struct Row {
        const char* name;
        void (*change)(RunAroundData&);
        int16_t rows;
        float finDensity;
        const char* coilCode;
    };
    const Row rows[] = {
        {"16mm PGS 25 %, 5 to 12 C: the whole walk",
         [](RunAroundData& d) {
             d.GlycolSelect = "PGS";
             d.GlycolPercent = 25;
             d.DBSupplyOn = 5;
             d.DBSupplyOff = 12;
             for (RunAroundCoil* coil : {&d.Supply, &d.Extract}) {
                 coil->TubeDiameter = "16mm";
                 coil->FinMatType = "Copper 0.15 rippled";
                 coil->TubesHigh = 25;
                 coil->FinnedHeight = 1016;
             }
         },
         16, 12, "16WH12.16-25Tx1000"},
        // 8 FPI would do at 10 rows as well.
        {"maximum 9: 6 and 8 FPI only", [](RunAroundData& d) { withFins(d, "Maximum", 9); }, 10, 6,
         "12WH6.10-26Tx1000"},
        {"fixed 4 FPI", [](RunAroundData& d) { withFins(d, "Fixed", 4); }, 12, 4,
         "12WH4.12-26Tx1000"},
        {"fixed 12 FPI: 8 rows, where the search stops at 10 FPI",
         [](RunAroundData& d) { withFins(d, "Fixed", 12); }, 8, 12, "12WH12.8-26Tx1000"},
        {"fixed 14 FPI: 4 rows fall short, 6 do",
         [](RunAroundData& d) { withFins(d, "Fixed", 14); }, 6, 14, "12WH14.6-26Tx1000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunAroundData request = StartupRequest();
        row.change(request);
        EngineRun run(request, Action::Select);
        ASSERT_FALSE(run.ctx.CalcAbort);
        for (const RunAroundCoil* coil : {&run.ctx.data.Supply, &run.ctx.data.Extract}) {
            EXPECT_EQ(coil->NumberRows, row.rows);
            EXPECT_EQ(coil->SelectedFinDensity, row.finDensity);
            EXPECT_EQ(coil->CoilCode, row.coilCode);
        }
    }
}

TEST(SelectRunAround, EasyDutyIsMetOnTheFirstTrial) {
    // A small air volume through the full face: one row of the first fin density suffices.
    RunAroundData request = StartupRequest();
    request.DBSupplyOff = 4;
    request.AirVolSupply = request.AirVolExtract = 0.1f;
    EngineRun run(request, Action::Select);
    ASSERT_FALSE(run.ctx.CalcAbort);
    EXPECT_EQ(run.ctx.data.Supply.NumberRows, 1);
    EXPECT_EQ(run.ctx.data.Supply.SelectedFinDensity, 6.0f);

    request.Supply.FinMatType = "Aluminium vinyl coated 0.15 rippled";
    EngineRun vinyl(request, Action::Select);
    ASSERT_FALSE(vinyl.ctx.CalcAbort);
    EXPECT_EQ(vinyl.ctx.data.Supply.SelectedFinDensity, 8.0f);
}

TEST(SelectRunAround, RowLimitOnSupplyStopsBeforeTheExtractCoil) {
    RunAroundData request = StartupRequest();
    request.DBSupplyOff = 19.5f;
    EngineRun run(request, Action::Select);
    EXPECT_TRUE(run.ctx.CalcAbort);
    ASSERT_EQ(run.titles().size(), 1u);
    EXPECT_EQ(run.titles()[0],
              "Number of Rows Required Greater Than Maximum Allowed - Supply Coil");
    EXPECT_TRUE(run.ctx.data.Extract.CoilCode.empty());
}

TEST(SelectRunAround, FinThicknessNoticeForThinAluminiumAtSixOrFewer) {
    RunAroundData request = StartupRequest();
    withFins(request, "Fixed", 6);
    request.Supply.FinMatType = request.Extract.FinMatType = "Aluminium 0.15 rippled";
    EngineRun six(request, Action::Select);
    EXPECT_FALSE(six.ctx.CalcAbort);
    ASSERT_EQ(six.titles(), (std::vector<std::string>{"Fin Thickness Adjusted - Supply Coil.",
                                                      "Fin Thickness Adjusted - Extract Coil"}));
    EXPECT_EQ(six.sink.shown()[0].text, "The supply coil fin thickness has been increased to "
                                        "0.25mm to accommodate the selected fin spacing.");

    withFins(request, "Fixed", 7);
    EngineRun seven(request, Action::Select);
    EXPECT_FALSE(seven.ctx.CalcAbort);
    EXPECT_TRUE(seven.sink.shown().empty());
}

TEST(SelectRunAround, ExhaustedCircuitsOfTheSupplyDoNotLeakIntoTheExtract) {
    // Two rows; no supply candidate gets under 5 kPa, so the search settles on its last one.
    RunAroundData request = StartupRequest();
    request.DBSupplyOff = 4;
    request.Supply.FluidMaxPD = 5;
    request.Extract.CircuitTypeSelect = "Fixed";
    request.Extract.CircuitType = "F";
    EngineRun run(request, Action::Select);
    EXPECT_FALSE(run.ctx.CalcAbort);
    EXPECT_EQ(run.titles(), std::vector<std::string>{"High Fluid Pressure Drop - Supply Coil"});
    EXPECT_EQ(run.ctx.data.Supply.CoilCode, "12WF12.2-26Tx1000");
    EXPECT_EQ(run.ctx.data.Supply.SelectedCircuitType, "F");
    expectNear(run.ctx.data.Supply.ActualFluidPD, 6.6331615, 1e-5);
}

TEST(SelectRunAround, FixedCircuitsOverTheMaximumAreReportedAndKept) {
    RunAroundData request = StartupRequest();
    request.Extract.CircuitTypeSelect = "Number";
    request.Extract.CircuitNumber = 2;
    EngineRun run(request, Action::Select);
    EXPECT_FALSE(run.ctx.CalcAbort);
    EXPECT_EQ(run.titles(),
              std::vector<std::string>{"Fluid Pressure Drop > Maximum Specified - Extract Coil"});
    // Two circuits: fast enough in the tubes for 6 rows at 8 FPI, at over 3 MPa.
    EXPECT_EQ(run.ctx.data.Extract.CoilCode, "12WS28.6-26Tx1000");
    expectNear(run.ctx.data.Extract.ActualFluidPD, 3084.9602, 1e-5);
}

TEST(SelectRunAround, UncircuitableFixedTypeStopsTheCalculation) {
    RunAroundData request = StartupRequest();
    request.DBSupplyOff = 4.5f; // two rows are enough
    request.Supply.CircuitTypeSelect = "Fixed";
    request.Supply.CircuitType = "Q";
    EngineRun run(request, Action::Select);
    EXPECT_TRUE(run.ctx.CalcAbort);
    EXPECT_EQ(run.titles(), std::vector<std::string>{"Coil Uncircuitable"});
}

TEST(SelectRunAround, GlycolOutsideItsRangeStopsSelectionAndRating) {
    RunAroundData request = StartupRequest();
    request.GlycolPercent = 30;
    request.DBSupplyOn = 30;
    request.DBSupplyOff = 40;
    request.DBExtractOn = 60;
    for (const Action action : {Action::Select, Action::Rate}) {
        EngineRun run(request, action);
        EXPECT_TRUE(run.ctx.CalcAbort);
        EXPECT_EQ(run.titles(), std::vector<std::string>{"Glycol Not Appropriate"});
    }
}

struct GuardCase {
    const char* name;
    void (*breakIt)(coil::CurrentCoil&);
    const char* textStart;
};

TEST(SelectCoil, ZeroDivisorsStopWithAMessageNamingTheCoil) {
    const GuardCase cases[] = {
        {"equal fluid temperatures", [](coil::CurrentCoil& c) { c.FluidOutTemp = c.FluidInTemp; },
         "The loop fluid enters and leaves"},
        {"air on at fluid in", [](coil::CurrentCoil& c) { c.AirOnTemp = c.FluidInTemp; },
         "The air enters this coil"},
        {"no duty", [](coil::CurrentCoil& c) { c.AirOffTemp = c.AirOnTemp; },
         "This coil has no duty"},
        {"no circuits",
         [](coil::CurrentCoil& c) {
             c.CircuitMode = "Number";
             c.CircuitNumber = 0;
         },
         "This coil has no circuits"},
        {"unknown fin", [](coil::CurrentCoil& c) { c.FinType = "Paper"; },
         "The fin type of this coil"},
    };
    for (const GuardCase& k : cases) {
        EngineRun run(StartupRequest(), Action::Select);
        ASSERT_FALSE(run.ctx.CalcAbort);
        run.sink.clear();
        coil::CurrentCoil& c = run.ctx.coil; // the extract coil as last selected
        k.breakIt(c);
        SelectCoil(run.ctx);
        EXPECT_TRUE(run.ctx.CalcAbort) << k.name;
        ASSERT_EQ(run.sink.shown().size(), 1u) << k.name;
        EXPECT_EQ(run.sink.shown()[0].title, "Calculation Not Possible - Extract Coil") << k.name;
        EXPECT_EQ(run.sink.shown()[0].text.rfind(k.textStart, 0), 0u) << k.name;
    }
}

} // namespace
} // namespace rac::calculation
