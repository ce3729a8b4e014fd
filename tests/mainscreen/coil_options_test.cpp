#include "main_screen_fixture.h"

#include <string>
#include <vector>

namespace rac::mainscreen::testing_support {
namespace {

using platform::black;
using platform::white;
using Items = std::vector<std::string>;

class CoilOptions : public MainScreen {
  protected:
    // Results on the screen, as after a calculation.
    void withResults() {
        calculate();
        ASSERT_FALSE(text("txtCoilCodeSupply").empty());
        ASSERT_TRUE(control("cmdCosting").enabled());
    }
};

Items range(int from, int to) {
    Items items;
    for (int i = from; i <= to; ++i) {
        items.push_back(std::to_string(i));
    }
    return items;
}

// The 16mm tube's first fin type and height are checked by a mouse pick in the desktop tests.
TEST_F(CoilOptions, TubeSizeOffersItsFinTypesAndSetsTheHeight) {
    withResults();
    pick("cmbTubeDiameterSupply", "16mm");
    EXPECT_EQ(control("cmbFinMatTypeSupply").items(),
              (Items{"Aluminium 0.15 rippled", "Aluminium 0.25 rippled",
                     "Aluminium vinyl coated 0.15 rippled", "Copper 0.15 rippled",
                     "Copper 0.25 rippled"}));
    EXPECT_TRUE(resultsCleared());
    EXPECT_EQ(text("txtFinnedHeightExtract"), "994"); // the other block is its own

    pick("cmbTubeDiameterSupply", "12mm");
    EXPECT_EQ(control("cmbFinMatTypeSupply").items().size(), 11U);
    EXPECT_EQ(text("cmbFinMatTypeSupply"), "Aluminium 0.15 louvre");
    EXPECT_EQ(text("txtFinnedHeightSupply"), "994");
}

TEST_F(CoilOptions, FinDensityModeRebuildsTheList) {
    struct Case {
        std::string finType;
        std::string mode;
        Items items;
        std::string selected;
    };
    const std::string vinyl = "Aluminium vinyl coated 0.15 louvre";
    const Case cases[] = {
        {"Copper 0.25 louvre", "Fixed", range(4, 14), "8"},
        {"Copper 0.25 louvre", "Maximum", range(6, 14), "10"},
        {vinyl, "Fixed", range(8, 14), "8"},
        {vinyl, "Maximum", range(8, 14), "10"},
        {vinyl, "Optimise", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.finType + " / " + c.mode);
        pick("cmbFinMatTypeExtract", c.finType);
        withResults();
        pick("cmbFinDensitySelectExtract", c.mode);
        const auto& list = control("cmbFinDensityExtract");
        EXPECT_EQ(list.items(), c.items);
        EXPECT_EQ(list.text(), c.selected);
        EXPECT_EQ(list.backColour(), c.mode == "Optimise" ? black : white);
        EXPECT_EQ(list.locked(), c.mode == "Optimise");
        EXPECT_TRUE(resultsCleared());
    }
}

TEST_F(CoilOptions, FinTypeRebuildsTheListOfItsMode) {
    pick("cmbFinDensitySelectSupply", "Maximum");
    pick("cmbFinMatTypeSupply", "Aluminium vinyl coated 0.15 rippled");
    EXPECT_EQ(control("cmbFinDensitySupply").items(), range(8, 14));
    EXPECT_EQ(text("cmbFinDensitySupply"), "8");
    pick("cmbFinDensitySelectSupply", "Fixed");
    pick("cmbFinDensitySelectSupply", "Maximum");
    EXPECT_EQ(text("cmbFinDensitySupply"), "10");

    pick("cmbFinMatTypeSupply", "Copper 0.15 louvre");
    EXPECT_EQ(control("cmbFinDensitySupply").items(), range(6, 14));
    EXPECT_EQ(text("cmbFinDensitySupply"), "8");
}

TEST_F(CoilOptions, PlainTubeOnlyThroughTheFinTypeInFixedMode) {
    pick("cmbFinDensitySelectSupply", "Fixed");
    EXPECT_EQ(control("cmbFinDensitySupply").items().front(), "4");
    pick("cmbFinMatTypeSupply", "Aluminium 0.25 rippled");
    Items plainTube{"0"};
    const Items rest = range(4, 14);
    plainTube.insert(plainTube.end(), rest.begin(), rest.end());
    EXPECT_EQ(control("cmbFinDensitySupply").items(), plainTube);
    EXPECT_EQ(text("cmbFinDensitySupply"), "8");
    pick("cmbFinDensitySupply", "0");
    EXPECT_EQ(text("cmbFinDensitySupply"), "0");
}

TEST_F(CoilOptions, CircuitModeRebuildsTheCircuitList) {
    withResults();
    pick("cmbCircuitTypeSelectSupply", "Number");
    auto& circuit = control("cmbCircuitTypeSupply");
    EXPECT_TRUE(circuit.items().empty());
    EXPECT_EQ(circuit.text(), "1");
    EXPECT_FALSE(circuit.locked());
    EXPECT_EQ(circuit.backColour(), white);
    EXPECT_TRUE(resultsCleared());
    EXPECT_TRUE(platform::user::set(main, "cmbCircuitTypeSupply", "4"));

    pick("cmbCircuitTypeSelectSupply", "Fixed");
    EXPECT_EQ(circuit.items(), (Items{"1B", "2B", "H", "P", "F", "Q", "D"}));
    EXPECT_EQ(circuit.text(), "1B");
    EXPECT_FALSE(circuit.locked()); // still editable

    pick("cmbCircuitTypeSelectSupply", "Optimise");
    EXPECT_TRUE(circuit.items().empty());
    EXPECT_TRUE(circuit.locked());
    EXPECT_EQ(circuit.backColour(), black);
}

// Every boundary of the sections is in the geometry rules' tests; here, that typing follows them.
TEST_F(CoilOptions, TubesHighSetsTheSections) {
    const std::pair<std::string, std::string> cases[] = {{"33", "2"}, {"161", "6"}, {"x", "1"}};
    for (const auto& [tubes, sections] : cases) {
        ASSERT_TRUE(platform::user::set(main, "txtTubesHighExtract", ""));
        ASSERT_TRUE(platform::user::type(main, "txtTubesHighExtract", tubes));
        EXPECT_EQ(text("txtNumberSectionsExtract"), sections) << tubes;
    }
}

TEST_F(CoilOptions, TubesHighAndFinnedHeightFollowEachOther) {
    enter("txtTubesHighSupply", "30");
    EXPECT_EQ(text("txtFinnedHeightSupply"), "1147");
    enter("txtFinnedHeightSupply", "1000");
    EXPECT_EQ(text("txtTubesHighSupply"), "26");
    EXPECT_EQ(text("txtFinnedHeightSupply"), "994");
    enter("txtFinnedHeightSupply", "1300"); // 34.1 tubes snap to 34, which is 2 sections
    EXPECT_EQ(text("txtTubesHighSupply"), "34");
    EXPECT_EQ(text("txtFinnedHeightSupply"), "1299");
    EXPECT_EQ(text("txtNumberSectionsSupply"), "2");

    pick("cmbTubeDiameterExtract", "16mm");
    enter("txtFinnedHeightExtract", "1060");
    EXPECT_EQ(text("txtTubesHighExtract"), "26");
    EXPECT_EQ(text("txtFinnedHeightExtract"), "1056");
}

TEST_F(CoilOptions, AbsurdHeightsLeaveThePartnerAlone) {
    enter("txtTubesHighSupply", "1e300");
    EXPECT_EQ(text("txtFinnedHeightSupply"), "994");
    enter("txtFinnedHeightExtract", "-1e300");
    EXPECT_EQ(text("txtTubesHighExtract"), "26");
    pick("cmbTubeDiameterSupply", "16mm");
    EXPECT_EQ(text("txtFinnedHeightSupply"), "994");
    EXPECT_TRUE(services.messages.shown().empty());
    calculate();
    EXPECT_EQ(lastMessage().title, "Value Out Of Range");
}

// The glycol, typed or picked, is in the desktop tests.
TEST_F(CoilOptions, EveryInputChangeClearsTheResults) {
    const std::pair<std::string, std::string> edits[] = {
        {"txtDBSupplyOn", "1"},           {"txtDBExtractOn", "21"},
        {"txtAirVolSupply", "2.4"},       {"txtAirVolExtract", "2.6"},
        {"txtFinnedHeightSupply", "995"}, {"txtFinnedLengthExtract", "1100"},
        {"txtNumberSectionsSupply", "2"}, {"txtTubesHighExtract", "27"},
        {"txtDBSupplyOff", "11"},         {"txtFluidMaxPDSupply", "45"},
    };
    for (const auto& [field, value] : edits) {
        withResults();
        ASSERT_TRUE(platform::user::set(main, field, value)) << field;
        EXPECT_TRUE(resultsCleared()) << field;
        EXPECT_TRUE(control("cmdPrint").enabled()) << field;
    }
}

TEST_F(CoilOptions, CalculatedChoicesDoNotClearButTheUsersPickDoes) {
    pick("cmbFinDensitySelectSupply", "Maximum");
    pick("cmbFinDensitySupply", "13");
    pick("cmbCircuitTypeSelectExtract", "Fixed");
    pick("cmbCircuitTypeExtract", "F");
    withResults();
    // The selection settled below the maximum and shows its choice in the list, results kept.
    EXPECT_EQ(text("cmbFinDensitySupply"), "10");
    EXPECT_EQ(text("txtNumberRowsSupply"), "8");
    EXPECT_EQ(text("cmbCircuitTypeExtract"), "F");

    pick("cmbFinDensitySupply", "12");
    EXPECT_TRUE(resultsCleared());
    withResults();
    pick("cmbCircuitTypeExtract", "H");
    EXPECT_TRUE(resultsCleared());
    pick("cmbCircuitTypeSelectExtract", "Number");
    withResults();
    ASSERT_TRUE(platform::user::type(main, "cmbCircuitTypeExtract", "2"));
    EXPECT_TRUE(resultsCleared());
}

TEST_F(CoilOptions, RowsAndTargetFieldsClearOnlyAsEntries) {
    withResults();
    // Rows are results in Selection: typing into the black box changes nothing else.
    ASSERT_TRUE(platform::user::set(main, "txtNumberRowsSupply", "3"));
    EXPECT_FALSE(resultsCleared());

    choose("mnuRating");
    withResults();
    ASSERT_TRUE(platform::user::set(main, "txtNumberRowsExtract", "6"));
    EXPECT_TRUE(resultsCleared());

    choose("mnuSelection");
    choose("mnuDuty");
    ASSERT_TRUE(platform::user::set(main, "txtDuty", "20"));
    withResults();
    ASSERT_TRUE(platform::user::set(main, "txtDuty", "21"));
    EXPECT_TRUE(resultsCleared());
}

TEST_F(CoilOptions, DuctColoursFollowTheWarmerStream) {
    const auto red = platform::fromBgr(0x8080FF);
    const auto blue = platform::fromBgr(0xFFC0C0);
    // The start-up colours are checked in the desktop tests.
    enter("txtDBSupplyOn", "25");
    EXPECT_EQ(control("shpSupplyDuct").backColour(), blue);
    EXPECT_EQ(control("shpExtractDuct").backColour(), red);
    enter("txtDBExtractOn", "25");
    EXPECT_EQ(control("shpSupplyDuct").backColour(), red);
    EXPECT_EQ(control("shpExtractDuct").backColour(), blue);
}

} // namespace
} // namespace rac::mainscreen::testing_support
