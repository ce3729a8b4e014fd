#include "cli/calculate_driver.h"
#include "mainscreen/calculate_results.h"
#include "platform/platform_error.h"
#include "test_program.h"

#include <gtest/gtest.h>

namespace rac::cli {
namespace {

using Log = std::vector<std::string>;

class CalculateDriver : public ::testing::Test {
  protected:
    CalculateOutcome run(const std::string& request) {
        return calculate(readCalculateRequest(Json::parse(request)), launch);
    }
    std::string result(const CalculateOutcome& outcome, std::string_view name) {
        for (const auto& [field, text] : outcome.fields) {
            if (field == name) {
                return text;
            }
        }
        ADD_FAILURE() << "no result " << name;
        return {};
    }

    Log log;
    Launcher launch = testing_support::testLauncher(log);
};

TEST_F(CalculateDriver, EntersFieldsInTheFixedOrderWhateverTheirOrderInTheRequest) {
    const auto outcome = run(R"({"fields": {"txtFluidMaxPDExtract": "40", "cmbGlycolSelect": "B",
        "txtDBSupplyOn": "5", "txtTubesHighSupply": "30", "cmbTubeDiameterSupply": "B",
        "txtTubesHighExtract": "28"}})");
    EXPECT_EQ(log, (Log{"Click cmbTubeDiameterSupply B", "Change txtTubesHighSupply 30",
                        "Change txtTubesHighExtract 28", "Change txtDBSupplyOn 5",
                        "Click cmbGlycolSelect B", "Change txtFluidMaxPDExtract 40", "Calculate"}));
    EXPECT_FALSE(outcome.aborted);
    EXPECT_FALSE(outcome.focus);
    EXPECT_TRUE(outcome.messages.empty());
    ASSERT_EQ(outcome.fields.size(), mainscreen::CalculateResultControls().size());
    EXPECT_EQ(outcome.fields.front().first, "txtDBSupplyOff"); // screen order
    EXPECT_EQ(result(outcome, "txtDBExtractOff"), "13.3");
}

TEST_F(CalculateDriver, ChoosesModeAndTargetFromTheMenus) {
    EXPECT_EQ(result(run(R"({"mode": "Rating"})"), "txtCoilCodeSupply"), "Rating");
    EXPECT_EQ(
        result(run(R"({"target": "Duty", "fields": {"txtDuty": "20"}})"), "txtCoilCodeSupply"),
        "Selection mnuDuty");
    log.clear();
    const auto effectiveness =
        run(R"({"target": "Effectiveness", "fields": {"txtEffectiveness": "60"}})");
    EXPECT_EQ(result(effectiveness, "txtCoilCodeSupply"), "Selection mnuEffectiveness");
    EXPECT_EQ(log.front(), "Change txtDBSupplyOff "); // the target switch blanked the old target
}

TEST_F(CalculateDriver, TheStartStateIsNotChosenAgain) {
    // Choosing the checked target again would blank the supply off temperature it starts with.
    run(R"({"mode": "Selection", "target": "Air Off DB"})");
    EXPECT_EQ(log, (Log{"Calculate"}));
}

TEST_F(CalculateDriver, FailedValidationReportsTheFocus) {
    const auto outcome = run(R"({"fields": {"txtDBSupplyOn": "abc"}})");
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(outcome.focus, "txtDBSupplyOn");
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].title, "Non-Numeric Value");
}

TEST_F(CalculateDriver, FailuresThatMoveNoFocusReportNone) {
    const auto crossField = run(R"({"fields": {"txtDBSupplyOn": "20"}})");
    EXPECT_TRUE(crossField.aborted);
    EXPECT_FALSE(crossField.focus);
    EXPECT_EQ(crossField.messages.at(0).title, "Inputs Not Compatible");

    const auto stopped = run(R"({"fields": {"txtGlycol": "150"}})");
    EXPECT_TRUE(stopped.aborted);
    EXPECT_FALSE(stopped.focus);
    EXPECT_EQ(stopped.messages.at(0).title, "Glycol");
    EXPECT_EQ(result(stopped, "txtCoilCodeSupply"), "");
}

TEST_F(CalculateDriver, AFieldThatKeepsTheFocusEndsTheEntry) {
    const auto outcome =
        run(R"({"fields": {"txtTubesHighSupply": "x", "txtFinnedHeightSupply": "994"}})");
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(outcome.focus, "txtTubesHighSupply");
    EXPECT_EQ(outcome.messages.size(), 1u); // shown once: nothing tried to move on
    EXPECT_EQ(log, (Log{"Change txtTubesHighSupply x"}));
}

TEST_F(CalculateDriver, CircuitNumberIsTypedOverAndCircuitTypeIsPicked) {
    const auto outcome = run(R"({"fields": {"cmbCircuitTypeSelectSupply": "Number",
        "cmbCircuitTypeSupply": "12", "cmbCircuitTypeSelectExtract": "Fixed",
        "cmbCircuitTypeExtract": "H"}})");
    EXPECT_EQ(result(outcome, "cmbCircuitTypeSupply"), "12");
    EXPECT_EQ(result(outcome, "cmbCircuitTypeExtract"), "H");
    EXPECT_EQ(
        log, (Log{"Click cmbCircuitTypeSelectSupply Number", "KeyPress cmbCircuitTypeSupply 49",
                  "KeyPress cmbCircuitTypeSupply 50", "Click cmbCircuitTypeSelectExtract Fixed",
                  "Click cmbCircuitTypeExtract 1B", "Click cmbCircuitTypeExtract H", "Calculate"}));
}

TEST_F(CalculateDriver, WhatAUserCannotDoIsAnError) {
    try {
        run(R"({"fields": {"cmbCircuitTypeSupply": "2"}})"); // read-only while "Optimise"
        FAIL() << "typing into a read-only list went through";
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(),
                     "cannot type into frmMain.cmbCircuitTypeSupply: it is read-only");
    }
    EXPECT_THROW(run(R"({"fields": {"cmbTubeDiameterSupply": "20mm"}})"), platform::PlatformError);
}

} // namespace
} // namespace rac::cli
