#include "cli/script_runner.h"
#include "test_program.h"

#include <gtest/gtest.h>

namespace rac::cli {
namespace {

class ScriptRunner : public ::testing::Test {
  protected:
    OrderedJson run(const std::string& script) {
        return transcriptJson(runScript(readScript(Json::parse(script)), launch));
    }

    std::vector<std::string> log;
    Launcher launch = testing_support::testLauncher(log);
};

TEST_F(ScriptRunner, EachStepHasItsOwnMessagesAndDump) {
    const OrderedJson transcript = run(R"js({"actions": [
        {"toolbar": "frmTools", "button": 1},
        {"tick": "frmTools.Timer1", "count": 5},
        {"dump": ["frmTools", "frmHidden"]}]})js");
    const OrderedJson& steps = transcript["steps"];
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0], OrderedJson::parse(R"js({"messages": [{"title": "Toolbar",
        "text": "Toolbar1(1)", "icon": "none", "buttons": ["OK", "Help"],
        "help": {"file": "X.hlp", "context": 7}}]})js"));
    EXPECT_EQ(steps[1], OrderedJson::parse(R"js({"messages": []})js"));
    const OrderedJson& tools = steps[2]["dump"]["frmTools"];
    EXPECT_EQ(tools.begin().key(), "@state");
    EXPECT_EQ(tools["@state"], "shown");
    EXPECT_EQ(tools["Timer1"], OrderedJson::parse(R"js({"enabled": false, "interval": 100})js"));
    EXPECT_EQ(tools["StatusBar1(1)"],
              OrderedJson::parse(R"js({"text": "tick 3", "picture": 0, "visible": true})js"));
    EXPECT_EQ(tools["Toolbar1(2)"], OrderedJson::parse(R"js({"enabled": false, "tooltip": ""})js"));
    EXPECT_EQ(tools["optA"]["value"], true);
    EXPECT_EQ(tools["txtBin(3)"]["back"], "#FFFFFF");
    EXPECT_EQ(steps[2]["dump"]["frmHidden"], OrderedJson::parse(R"js({"@state": "not loaded"})js"));
    EXPECT_FALSE(transcript.contains("error"));
}

TEST_F(ScriptRunner, StartsFromTheSettingsGivenAndReportsTheStoreAtTheEnd) {
    const OrderedJson transcript =
        run(R"js({"settings": {"PaybackCalc/Country": "7", "Other/X": "y"}, "actions": [
            {"type": "frmTools.txtBin(3)", "text": "12"}, {"click": "frmTools.cmdRemember"}]})js");
    EXPECT_EQ(transcript["settings"],
              OrderedJson::parse(R"js({"Other/X": "y", "PaybackCalc/Country": "12"})js"));
}

TEST_F(ScriptRunner, FileDialogsTakeTheQueuedAnswersInOrder) {
    const OrderedJson transcript = run(R"js({"actions": [
        {"answer": {"save": "/tmp/a.rtf"}}, {"click": "frmTools.cmdSave"},
        {"dump": ["frmTools"]},
        {"click": "frmTools.cmdSave"}, {"dump": ["frmTools"]}]})js");
    EXPECT_EQ(transcript["steps"][2]["dump"]["frmTools"]["lblSaved"]["caption"], "/tmp/a.rtf");
    EXPECT_EQ(transcript["steps"][4]["dump"]["frmTools"]["lblSaved"]["caption"], "cancelled");
}

TEST_F(ScriptRunner, AStepTheScreensRefuseEndsTheRunAndSaysWhy) {
    struct Case {
        std::string actions;
        std::string error;
    };
    const std::vector<Case> cases{
        {R"js({"toolbar": "frmTools", "button": 2})js",
         "step 1: cannot press frmTools.Toolbar1(2): it is disabled"},
        {R"js({"toolbar": "frmTools", "button": 9})js",
         "step 1: frmTools.Toolbar1 has no button at position 9"},
        {R"js({"set": "frmMain.txtEffectiveness", "text": "50"})js",
         "step 1: cannot type into frmMain.txtEffectiveness: it is read-only"},
        {R"js({"click": "frmMain.mnuRating"}, {"click": "frmMain.mnuDuty"})js",
         "step 2: cannot click frmMain.mnuDuty: frmMain.mnuDBEffDuty is disabled"},
        {R"js({"leave": "frmTools.txtBin(3)"})js",
         "step 1: cannot leave frmTools.txtBin(3): it does not have the focus"},
        {R"js({"pick": "frmTools.txtBin(3)", "item": "1"})js",
         "step 1: frmTools.txtBin(3): a text box cannot be picked from"},
        {R"js({"close": "frmTools"})js", "step 1: cannot close frmTools: it refused to close"},
        {R"js({"close": "frmHidden"})js", "step 1: cannot close frmHidden: it is not shown"},
        {R"js({"click": "frmHidden.cmdX"})js", "step 1: frmHidden: no control named \"cmdX\""},
        {R"js({"dump": ["frmNothing"]})js", "step 1: the program has no form named \"frmNothing\""},
    };
    for (const Case& c : cases) {
        const OrderedJson transcript = run(R"js({"actions": [)js" + c.actions + "]}");
        EXPECT_EQ(transcript.value("error", ""), c.error) << c.actions;
    }
}

TEST_F(ScriptRunner, TheRefusedStepKeepsItsMessagesAndLaterStepsDoNotRun) {
    const OrderedJson transcript = run(R"js({"actions": [
        {"set": "frmMain.txtTubesHighSupply", "text": "x"},
        {"click": "frmMain.cmdCalculate"},
        {"click": "frmMain.cmdCalculate"}]})js");
    EXPECT_EQ(transcript["error"], "step 2: cannot click frmMain.cmdCalculate: the focus is in "
                                   "frmMain.txtTubesHighSupply");
    ASSERT_EQ(transcript["steps"].size(), 2u);
    EXPECT_EQ(transcript["steps"][1]["messages"][0]["title"], "Number of Tubes High Non-Numeric");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Calculate"), 0);
}

TEST_F(ScriptRunner, AProgramThatFailsToStartIsReported) {
    const Launcher broken = [](platform::Services) -> std::unique_ptr<Program> {
        throw std::runtime_error("no forms");
    };
    const Transcript transcript =
        runScript(readScript(Json::parse(R"js({"actions": []})js")), broken);
    EXPECT_EQ(transcript.error, "start-up: no forms");
    EXPECT_TRUE(transcript.steps.empty());
}

} // namespace
} // namespace rac::cli
