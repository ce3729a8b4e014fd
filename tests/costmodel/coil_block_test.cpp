#include "costing_run.h"
#include "support/compare.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace rac::costmodel {
namespace {

struct Expected {
    const char* name;
    float CoilCosting::*quantity;
    double value;
};

void expectCosted(const CoilCosting& costing, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        test::expectNear(costing.*e.quantity, e.value, 2e-6);
    }
}

#define Q(field) #field, &CoilCosting::field

// Every value the screens show, worked out by hand from the costing rules. Options not chosen
// are left out: the options total, the sum of them all, shows they cost nothing.
TEST(CostCoilBlockEndToEnd, SupplyCoilWithEliminatorsAndWeldedFlanges) {
    CostingRun run(SupplyCoil());
    run.cost();
    ASSERT_FALSE(run.status.CalcAbort);
    EXPECT_TRUE(run.sink.shown().empty());
    EXPECT_EQ(run.costing.Circuits, 13);
    EXPECT_EQ(run.costing.SidePlateCount, 1);
    EXPECT_EQ(run.costing.CentreSupportCount, 1); // 26 tubes in one section
    EXPECT_EQ(run.costing.BaffleCount, 0);
    expectCosted(run.costing, {
                                  {Q(CasingDepth), 400},
                                  {Q(FinsMaterial), 57.37942},
                                  {Q(HeaderAssemblyMaterial), 49.6166},
                                  {Q(TubesMaterial), 44.59541},
                                  {Q(BendsMaterial), 12.74},
                                  {Q(BrazeMaterialCost), 10.4},
                                  {Q(FixMaterial), 1},
                                  {Q(FinsLabour), 4.581818},
                                  {Q(TubesLabour), 3.08},
                                  {Q(CasingLabour), 11.94},
                                  {Q(ExpansionLabour), 7.2},
                                  {Q(BrazingLabour), 15.9},
                                  {Q(TestingLabour), 1},
                                  {Q(SprayingLabour), 1},
                                  {Q(FinishingLabour), 0.5},
                                  {Q(PackagingLabour), 1.5},
                                  {Q(HeaderConnectionLabour), 8.8},
                                  {Q(EliminatorsMaterial), 83.7048},
                                  {Q(EliminatorsLabour), 17},
                                  {Q(VentDrainMaterial), 3},
                                  {Q(PreTinnedFinsMaterial), 0},
                                  {Q(ConnectionFlangesMaterial), 32},
                                  {Q(EndPlates), 23.26208},
                                  {Q(SidePlates), 10.83896},
                                  {Q(CSP), 13.08764},
                                  {Q(DrainpanCost), 53.04868},
                                  {Q(BafflePlates), 0},
                                  {Q(CoverPlates), 0},
                                  {Q(FinWeight), 22.95177},
                                  {Q(TubeWeight), 14.86514},
                                  {Q(BendWeight), 1.732706},
                                  {Q(HeaderAssemblyWeight), 6.690484},
                                  {Q(SheetMetalWeight), 29.53761},
                                  {Q(LabourCost), 58.00182},
                                  {Q(MaterialCost), 175.7314},
                                  {Q(SheetMetalCost), 100.2374},
                                  {Q(OptionsCost), 103.7048},
                                  {Q(TotalCost), 437.6754},
                                  {Q(SellPrice), 1094.188},
                                  {Q(TotalWeight), 75.7777},
                                  {Q(InternalVolume), 12.85331},
                              });
}

TEST(CostCoilBlockEndToEnd, ExtractCoilWithEveryOtherOptionInTwoSections) {
    CostingRun run(ExtractCoil(), 45.0);
    run.cost(coil::CoilSide::Extract);
    ASSERT_FALSE(run.status.CalcAbort);
    // 16mm tube, 3 rows or more at 14 fins per inch.
    ASSERT_EQ(run.sink.shown().size(), 1u);
    EXPECT_EQ(run.sink.shown()[0],
              information("Blygold coating limits", "100% coverage expected but not guaranteed"));
    EXPECT_EQ(run.costing.Circuits, 33);
    EXPECT_EQ(run.costing.CentreSupportCount, 2); // copper fins, 2500 mm
    expectCosted(run.costing, {
                                  {Q(CasingDepth), 700},
                                  {Q(FinsMaterial), 5408.267},
                                  {Q(HeaderAssemblyMaterial), 81.308},
                                  {Q(TubesMaterial), 931.7632},
                                  {Q(BendsMaterial), 42.6132},
                                  {Q(BrazeMaterialCost), 240},
                                  {Q(FixMaterial), 1},
                                  {Q(FinsLabour), 13.53636},
                                  {Q(TubesLabour), 7},
                                  {Q(CasingLabour), 83.5},
                                  {Q(ExpansionLabour), 19},
                                  {Q(BrazingLabour), 31.5},
                                  {Q(TestingLabour), 2},
                                  {Q(SprayingLabour), 2},
                                  {Q(FinishingLabour), 1},
                                  {Q(PackagingLabour), 3},
                                  {Q(HeaderConnectionLabour), 17},
                                  {Q(StiffenersMaterial), 9.38},
                                  {Q(NutsertsMaterial), 24},
                                  {Q(GAMMaterial), 37.56639},
                                  {Q(TestPointsMaterial), 5},
                                  {Q(BlygoldMaterial), 1456.244},
                                  {Q(BlygoldLabour), 6},
                                  {Q(ETAMMaterial), 1522.781},
                                  {Q(PreTinnedFinsMaterial), 1104.606},
                                  {Q(ConnectionFlangesMaterial), 32},
                                  {Q(EndPlates), 255.888},
                                  {Q(SidePlates), 68.64492},
                                  {Q(CSP), 66.43657},
                                  {Q(DrainpanCost), 415.8472},
                                  {Q(BafflePlates), 0},
                                  {Q(CoverPlates), 48.44991},
                                  {Q(FinWeight), 1434.554},
                                  {Q(TubeWeight), 310.5877},
                                  {Q(BendWeight), 5.083873},
                                  {Q(HeaderAssemblyWeight), 23.7696},
                                  {Q(SheetMetalWeight), 133.1730},
                                  {Q(LabourCost), 173.5364},
                                  {Q(MaterialCost), 6704.952},
                                  {Q(SheetMetalCost), 727.3226},
                                  {Q(OptionsCost), 3060.971},
                                  {Q(TotalCost), 10666.78},
                                  {Q(SellPrice), 19394.15},
                                  {Q(TotalWeight), 1907.168},
                                  {Q(InternalVolume), 160.0634},
                              });
}

// The breakdown's end plate line (255.888 above) counts the sections once more than the sheet
// metal total does: its lines add up to 127.944 more than that total.
TEST(CostCoilBlockEndToEnd, EndPlateIsOnePositionOverBothSections) {
    test::expectNear(Costed(ExtractCoil()).EndPlate, 63.972, 2e-6);
}

TEST(SellPrice, GrossMarginDividesTheCost) {
    struct Row {
        const char* name;
        std::optional<double> margin;
        double sellPrice;
    };
    const Row rows[] = {
        // The default 60 % is the end-to-end costing's.
        {"an entered 60 % is the default", 60.0, 1094.188},
        {"0 % sells at cost", 0.0, 437.6754},
        {"a fraction of a percent is kept", 37.5, 700.2806},
        {"99 % is a hundred times the cost", 99.0, 43767.54},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CoilCosting c = Costed(SupplyCoil(), row.margin);
        test::expectNear(c.TotalCost, 437.6754, 2e-6);
        test::expectNear(c.SellPrice, row.sellPrice, 2e-6);
    }
}

constexpr const char* kNotFiniteText =
    "The costing of this coil gave no finite result for these inputs. Check the coil's "
    "dimensions on the main screen and the casing depth, then cost it again.";

// Each costing that cannot give a number stops with its message and writes no result.
TEST(CostingNotPossible, StopsWithTheCoilNamedAndTheRecordUntouched) {
    struct Row {
        const char* name;
        void (*spoil)(CoilCosting&, std::optional<double>&);
        const char* text;
    };
    const Row rows[] = {
        {"a gross margin of 100 %",
         [](CoilCosting&, std::optional<double>& margin) { margin = 100.0; },
         "The sell price is the cost divided by (100% less the gross margin), and a gross margin "
         "of 100% leaves nothing to divide by. Enter a gross margin greater than or equal to 0% "
         "and less than 100%."},
        {"no circuits in Number mode",
         [](CoilCosting& c, std::optional<double>&) {
             c.CircuitType = "0";
             c.CircuitNumber = 0;
         },
         "This coil has no circuits: its circuit type or number gives 0 circuits for its tubes "
         "high, so its return bends cannot be counted. Choose another circuit type or enter at "
         "least 1 circuit on the main screen, calculate again and then cost it."},
        {"H circuits of a single tube",
         [](CoilCosting& c, std::optional<double>&) { c.TubesHigh = 1; },
         "This coil has no circuits: its circuit type or number gives 0 circuits for its tubes "
         "high, so its return bends cannot be counted. Choose another circuit type or enter at "
         "least 1 circuit on the main screen, calculate again and then cost it."},
        {"no sections", [](CoilCosting& c, std::optional<double>&) { c.Sections = 0; },
         "This coil has 0 sections, so the height of its casing sections cannot be worked out. "
         "Enter at least 1 section on the main screen, calculate again and then cost it."},
        {"a casing material off the list",
         [](CoilCosting& c, std::optional<double>&) { c.CasingMaterial = "16G galv"; },
         "The casing material of this coil is not one of the listed sheet materials, so the "
         "casing has no sheet price. Choose a casing material from the list."},
        {"a drainpan material off the list",
         [](CoilCosting& c, std::optional<double>&) { c.DrainpanMaterial = ""; },
         "The drainpan material of this coil is not one of the listed sheet materials, so the "
         "drainpan has no sheet price. Choose a drainpan material from the list."},
        {"an infinite finned length",
         [](CoilCosting& c, std::optional<double>&) {
             c.FinnedLength = std::numeric_limits<float>::infinity();
         },
         kNotFiniteText},
        {"dimensions whose costs overflow a float",
         [](CoilCosting& c, std::optional<double>&) {
             c.FinnedLength = 1e21f;
             c.TubesHigh = 1e21f;
         },
         kNotFiniteText},
        {"a non-standard depth that is not a number",
         [](CoilCosting& c, std::optional<double>&) {
             c.CasingDepthSelect = "Non-Standard";
             c.CasingDepth = std::numeric_limits<float>::quiet_NaN();
         },
         kNotFiniteText},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting coil = SupplyCoil();
        std::optional<double> margin;
        row.spoil(coil, margin);
        CostingRun run(coil, margin);
        // Results of an earlier costing stay as they were.
        run.costing.SellPrice = 123;
        run.costing.TotalWeight = 45;
        const CoilCosting before = run.costing;
        CostCoilBlock(run.costing, run.prices, coil::CoilSide::Extract, run.status);
        EXPECT_TRUE(run.status.CalcAbort);
        ASSERT_EQ(run.sink.shown().size(), 1u);
        EXPECT_EQ(run.sink.shown()[0],
                  information("Costing Not Possible - Extract Coil", row.text));
        EXPECT_EQ(run.costing.SellPrice, 123);
        EXPECT_EQ(run.costing.TotalWeight, 45);
        if (!std::isnan(before.CasingDepth)) { // NaN is unequal even to itself
            EXPECT_EQ(run.costing, before);
        }
    }
}

TEST(CostingNotPossible, DrainpanWithoutMaterialOrNotCountedNeedsNoSheetPrice) {
    struct Row {
        const char *name, *style, *drainpan, *material;
    };
    const Row rows[] = {
        {"no drainpan", "Standard", "None", ""},
        {"a drainpan of an end plate casing", "Endplates", "Sloping", "16G"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CoilCosting coil = SupplyCoil();
        coil.CasingStyle = row.style;
        coil.Drainpan = row.drainpan;
        coil.DrainpanMaterial = row.material;
        const CoilCosting c = Costed(coil);
        EXPECT_TRUE(std::isfinite(c.SheetMetalWeight));
    }
}

TEST(CalcLabourBreakdown, AnOverflowingBreakdownStopsAndWritesNothing) {
    CostingRun run(SupplyCoil());
    run.costing.Sections = 2;
    run.costing.EndPlate = 3e38f; // the end plate line overflows a float
    const CoilCosting before = run.costing;
    CalcLabourBreakdown(run.costing, run.prices, coil::CoilSide::Supply, run.status);
    EXPECT_TRUE(run.status.CalcAbort);
    ASSERT_EQ(run.sink.shown().size(), 1u);
    EXPECT_EQ(run.sink.shown()[0],
              information("Costing Not Possible - Supply Coil", kNotFiniteText));
    EXPECT_EQ(run.costing, before);
}

} // namespace
} // namespace rac::costmodel
