#include "calculation/coil_selection.h"
#include "calculation/selection_rating.h"
#include "calculation/startup_request.h"
#include "engine_run.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rac::calculation {
namespace {

using coil::CoilSide;

RunAroundData WithFins(RunAroundData data, const std::string& mode, float finDensity) {
    for (RunAroundCoil* coil : {&data.Supply, &data.Extract}) {
        coil->FinDensitySelect = mode;
        coil->FinDensity = finDensity;
    }
    return data;
}

const int kRowSequence[] = {1, 2, 3, 4, 6, 8, 10, 12, 14, 16};

int RowIndex(int rows) {
    const auto* it = std::find(std::begin(kRowSequence), std::end(kRowSequence), rows);
    return static_cast<int>(it - std::begin(kRowSequence));
}

// The first-fit walk takes the fewest rows at which any allowed fin density suffices, and at
// those rows the lowest such fin density. Each fixed fin density, selected on its own, gives
// the fewest rows it needs; the searched result must agree with them.
void ExpectFirstFit(const RunAroundData& request, const std::string& mode, float maximum,
                    const std::vector<float>& allowed, const char* name) {
    EngineRun searched(WithFins(request, mode, maximum), Action::Select);
    ASSERT_FALSE(searched.ctx.CalcAbort) << name;

    for (CoilSide side : {CoilSide::Supply, CoilSide::Extract}) {
        int bestRows = 99;
        float bestFins = 0;
        for (float fins : allowed) {
            EngineRun fixed(WithFins(request, "Fixed", fins), Action::Select);
            if (fixed.ctx.CalcAbort) {
                continue; // this fin density needs more than 16 rows
            }
            const int rows = fixed.ctx.data.coil(side).NumberRows;
            if (RowIndex(rows) < RowIndex(bestRows)) {
                bestRows = rows;
                bestFins = fins;
            }
        }
        const RunAroundCoil& got = searched.ctx.data.coil(side);
        EXPECT_EQ(got.NumberRows, bestRows) << name;
        EXPECT_EQ(got.SelectedFinDensity, bestFins) << name;
    }
}

TEST(SelectRunAround, StartupSelectionCompletesQuietly) {
    EngineRun run(StartupRequest(), Action::Select);
    EXPECT_FALSE(run.ctx.CalcAbort);
    EXPECT_TRUE(run.sink.shown().empty());
    const RunAroundData& d = run.ctx.data;
    for (const RunAroundCoil* coil : {&d.Supply, &d.Extract}) {
        EXPECT_EQ(coil->CoilCode.substr(0, 3), "12W");
        EXPECT_GT(coil->NumberRows, 0);
        EXPECT_LE(coil->ActualFluidPD, 50.0f);
        EXPECT_FALSE(coil->ConnectionSize.empty());
    }
    EXPECT_GT(d.FluidFlowRate, 0.0f);
    EXPECT_GT(d.DutyWattsSupply, 30000.0f);
}

TEST(SelectRunAround, SearchIsFirstFitOverRowsThenFinDensity) {
    RunAroundData startup = StartupRequest();
    ExpectFirstFit(startup, "Optimise", 0, {6, 8, 10, 12}, "startup");

    RunAroundData sixteen = StartupRequest();
    for (RunAroundCoil* coil : {&sixteen.Supply, &sixteen.Extract}) {
        coil->TubeDiameter = "16mm";
        coil->FinMatType = "Copper 0.15 rippled";
        coil->TubesHigh = 25;
        coil->FinnedHeight = 1016;
    }
    sixteen.GlycolSelect = "PGS";
    sixteen.GlycolPercent = 25;
    sixteen.DBSupplyOn = 5;
    sixteen.DBSupplyOff = 12;
    ExpectFirstFit(sixteen, "Optimise", 0, {6, 8, 10, 12}, "16mm PGS");

    // A maximum of 9 allows 6 and 8 only.
    ExpectFirstFit(startup, "Maximum", 9, {6, 8}, "maximum 9");

    RunAroundData vinyl = StartupRequest();
    vinyl.Supply.FinMatType = vinyl.Extract.FinMatType = "Aluminium vinyl coated 0.15 louvre";
    ExpectFirstFit(vinyl, "Optimise", 0, {8, 10, 12}, "vinyl coated");
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

TEST(SelectRunAround, FixedFinDensityWalksTheRowSequence) {
    for (float fins : {4.0f, 10.0f, 14.0f}) {
        EngineRun run(WithFins(StartupRequest(), "Fixed", fins), Action::Select);
        ASSERT_FALSE(run.ctx.CalcAbort) << fins;
        const int rows = run.ctx.data.Supply.NumberRows;
        EXPECT_LT(RowIndex(rows), 10) << rows; // never 5, 7, 9 ... rows
        EXPECT_EQ(run.ctx.data.Supply.SelectedFinDensity, fins);
    }
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
    RunAroundData request = WithFins(StartupRequest(), "Fixed", 6);
    request.Supply.FinMatType = request.Extract.FinMatType = "Aluminium 0.15 rippled";
    EngineRun six(request, Action::Select);
    EXPECT_FALSE(six.ctx.CalcAbort);
    ASSERT_EQ(six.sink.shown().size(), 2u);
    EXPECT_EQ(six.sink.shown()[0].title, "Fin Thickness Adjusted - Supply Coil.");
    EXPECT_EQ(six.sink.shown()[0].text, "The supply coil fin thickness has been increased to "
                                        "0.25mm to accommodate the selected fin spacing.");
    EXPECT_EQ(six.sink.shown()[1].title, "Fin Thickness Adjusted - Extract Coil");

    EngineRun seven(WithFins(request, "Fixed", 7), Action::Select);
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
    EXPECT_EQ(run.ctx.data.Supply.NumberRows, 2);
    EXPECT_EQ(run.ctx.data.Supply.SelectedCircuitType, "F");
    EXPECT_GT(run.ctx.data.Supply.ActualFluidPD, 5.0f);
}

TEST(SelectRunAround, FixedCircuitsOverTheMaximumAreReportedAndKept) {
    RunAroundData request = StartupRequest();
    request.Extract.CircuitTypeSelect = "Number";
    request.Extract.CircuitNumber = 2;
    EngineRun run(request, Action::Select);
    EXPECT_FALSE(run.ctx.CalcAbort);
    EXPECT_EQ(run.titles(),
              std::vector<std::string>{"Fluid Pressure Drop > Maximum Specified - Extract Coil"});
    EXPECT_GT(run.ctx.data.Extract.ActualFluidPD, 50.0f);
    EXPECT_NE(run.ctx.data.Extract.CoilCode.find("WS2"), std::string::npos);
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
