#include "cli/script.h"
#include "cli/script_runner.h"
#include "test_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace rac::cli {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

Script read(const std::string& text) {
    return readScript(Json::parse(text));
}

// The golden sessions' scripts take every other action and settings: a misread one changes their
// transcripts.
TEST(ScriptReading, ReadsTheActionsNoGoldenSessionTakes) {
    const Script script = read(R"({"actions": [{"pick": "frmMain.cmbGlycolSelect", "index": 1},
        {"focus": "frmMain.txtA"}, {"tick": "frmMain.Timer1", "count": 3},
        {"tick": "frmMain.Timer1"}, {"close": "frmCosting"}, {"dump": []}]})");
    const auto& a = script.actions;
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[0].index, 1);
    EXPECT_EQ(a[1].verb, Verb::Focus);
    EXPECT_EQ(a[1].control, "txtA");
    EXPECT_EQ(a[2].number, 3);
    EXPECT_EQ(a[3].number, 1);
    EXPECT_EQ(a[4].verb, Verb::Close);
    EXPECT_EQ(a[4].form, "frmCosting");
    EXPECT_TRUE(a[5].forms.empty());
}

TEST(ScriptReading, NamesTheStepAndTheFault) {
    struct Case {
        std::string script;
        std::string error;
    };
    const std::vector<Case> cases{
        {R"([])", "a script must be a JSON object, not an array"},
        {R"({})", R"(a script has no "actions")"},
        {R"({"actions": {}})", R"("actions" must be a list of steps, not an object)"},
        {R"({"actions": [], "setting": {}})",
         R"(unknown key "setting" in a script (it takes "settings", "actions"))"},
        {R"({"settings": {"Country": "7"}, "actions": []})",
         R"(settings: "Country" is not of the form Section/Value)"},
        {R"({"settings": {"A/B": 7}, "actions": []})",
         R"(the setting "A/B" must be a text in quotes, not a number)"},
        {R"({"actions": [{"click": "frmMain.cmdCalculate"}, "click"]})",
         "step 2: a step must be a JSON object, not a text"},
    };
    // One step, the first.
    const std::vector<Case> steps{
        {R"({"press": "frmMain.cmdCalculate"})",
         "no action: a step is one of set, type, pick, click, toolbar, focus, leave, tick, "
         "select, answer, close, dump"},
        {R"({"click": "frmMain.a", "set": "frmMain.b"})",
         R"(one step takes one action, not both "set" and "click")"},
        {R"({"set": "frmMain.txtA"})", R"(a step has no "text")"},
        {R"({"set": "frmMain.txtA", "text": 5})",
         R"("text" must be a text in quotes, not a number)"},
        {R"({"click": "frmMain.cmdA", "text": "x"})",
         R"(unknown key "text" in a step (it takes "click"))"},
        {R"({"click": "cmdCalculate"})",
         R"("click" must name a form and a control, such as "frmMain.cmdCalculate", not )"
         R"("cmdCalculate")"},
        {R"({"click": "frmMain."})",
         R"("click" must name a form and a control, such as "frmMain.cmdCalculate", not )"
         R"("frmMain.")"},
        {R"({"pick": "frmMain.cmbA"})", R"("pick" takes either "item" or "index")"},
        {R"({"pick": "frmMain.cmbA", "item": "x", "index": 0})",
         R"("pick" takes either "item" or "index")"},
        {R"({"pick": "frmMain.cmbA", "index": -1})",
         R"("index" must be a whole number from 0 to 2147483647, not -1)"},
        {R"({"toolbar": "frmMain", "button": 1.5})",
         R"("button" must be a whole number from 1 to 2147483647, not 1.5)"},
        {R"({"toolbar": "frmMain.Toolbar1", "button": 1})",
         R"("toolbar" must name a form, such as "frmMain", not "frmMain.Toolbar1")"},
        {R"({"tick": "frmMain.Timer1", "count": 100001})",
         R"("count" must be a whole number from 0 to 100000, not 100001)"},
        {R"({"tick": "frmMain.Timer1", "count": 18446744073709551615})",
         R"("count" must be a whole number from 0 to 100000, not 18446744073709551615)"},
        {R"({"answer": "save"})",
         R"("answer" must be {"save": PATH}, {"print": PATH} or "cancel")"},
        {R"({"answer": {"save": "a", "print": "b"}})",
         R"("answer" must be {"save": PATH}, {"print": PATH} or "cancel")"},
        {R"({"dump": "frmMain"})", R"("dump" must be a list of form names, not a text)"},
        {R"({"dump": [""]})", R"(a form to dump must name a form, such as "frmMain", not "")"},
    };
    for (const Case& c : cases) {
        EXPECT_THAT([&] { read(c.script); }, ThrowsMessage<InputError>(StrEq(c.error))) << c.script;
    }
    for (const Case& c : steps) {
        const std::string script = R"({"actions": [)" + c.script + "]}";
        EXPECT_THAT([&] { read(script); }, ThrowsMessage<InputError>(StrEq("step 1: " + c.error)))
            << script;
    }
}

class ScriptRunner : public ::testing::Test {
  protected:
    OrderedJson run(const std::string& script) {
        return transcriptJson(runScript(read(script), launch));
    }

    std::vector<std::string> log;
    Launcher launch = testing_support::testLauncher(log);
};

TEST_F(ScriptRunner, EachStepHasItsOwnMessagesAndDump) {
    const OrderedJson transcript =
        run(R"js({"settings": {"PaybackCalc/Country": "7", "Other/X": "y"}, "actions": [
            {"toolbar": "frmTools", "button": 1}, {"tick": "frmTools.Timer1", "count": 5},
            {"answer": {"save": "/tmp/a.rtf"}}, {"click": "frmTools.cmdSave"},
            {"dump": ["frmTools"]}, {"click": "frmTools.cmdSave"},
            {"type": "frmTools.txtBin(3)", "text": "12"}, {"click": "frmTools.cmdRemember"},
            {"dump": ["frmTools", "frmHidden"]}]})js");
    const OrderedJson& steps = transcript["steps"];
    ASSERT_EQ(steps.size(), 9u);
    EXPECT_EQ(steps[0], OrderedJson::parse(R"js({"messages": [{"title": "Toolbar",
        "text": "Toolbar1(1)", "icon": "none", "buttons": ["OK", "Help"],
        "help": {"file": "X.hlp", "context": 7}}]})js"));
    EXPECT_EQ(steps[1], OrderedJson::parse(R"({"messages": []})"));
    // The queued answer goes to the first dialog; a dialog with none left is cancelled.
    EXPECT_EQ(steps[4]["dump"]["frmTools"]["lblSaved"]["caption"], "/tmp/a.rtf");
    const OrderedJson& tools = steps[8]["dump"]["frmTools"];
    EXPECT_EQ(tools["lblSaved"]["caption"], "cancelled");
    // The timer stopped itself after 3 of the 5 ticks.
    EXPECT_EQ(tools["Timer1"], OrderedJson::parse(R"({"enabled": false, "interval": 100})"));
    EXPECT_EQ(tools["StatusBar1(1)"],
              OrderedJson::parse(R"({"text": "tick 3", "picture": 0, "visible": true})"));
    EXPECT_EQ(steps[8]["dump"]["frmHidden"], OrderedJson::parse(R"({"@state": "not loaded"})"));
    // The store started from the script's settings.
    EXPECT_EQ(transcript["settings"],
              OrderedJson::parse(R"({"Other/X": "y", "PaybackCalc/Country": "12"})"));
    EXPECT_FALSE(transcript.contains("error"));
}

TEST_F(ScriptRunner, AStepTheScreensRefuseEndsTheRunAndSaysWhy) {
    struct Case {
        std::string actions;
        std::string error;
    };
    const std::vector<Case> cases{
        {R"({"toolbar": "frmTools", "button": 2})",
         "step 1: cannot press frmTools.Toolbar1(2): it is disabled"},
        {R"({"toolbar": "frmTools", "button": 9})",
         "step 1: frmTools.Toolbar1 has no button at position 9"},
        {R"({"set": "frmMain.txtEffectiveness", "text": "50"})",
         "step 1: cannot type into frmMain.txtEffectiveness: it is read-only"},
        {R"({"click": "frmMain.mnuRating"}, {"click": "frmMain.mnuDuty"})",
         "step 2: cannot click frmMain.mnuDuty: frmMain.mnuDBEffDuty is disabled"},
        {R"js({"leave": "frmTools.txtBin(3)"})js",
         "step 1: cannot leave frmTools.txtBin(3): it does not have the focus"},
        {R"js({"pick": "frmTools.txtBin(3)", "item": "1"})js",
         "step 1: frmTools.txtBin(3): a text box cannot be picked from"},
        {R"({"close": "frmTools"})", "step 1: cannot close frmTools: it refused to close"},
        {R"({"click": "frmHidden.cmdX"})", "step 1: frmHidden: no control named \"cmdX\""},
        {R"({"dump": ["frmNothing"]})", "step 1: the program has no form named \"frmNothing\""},
        // Characters are counted, not bytes: "°" is one.
        {R"({"select": "frmTools.rtfDocument", "start": 7, "length": 2},
            {"select": "frmTools.rtfDocument", "start": 7, "length": 3})",
         "step 2: frmTools.rtfDocument: characters 7 to 10 are not within a text of 9 characters"},
    };
    for (const Case& c : cases) {
        const OrderedJson transcript = run(R"({"actions": [)" + c.actions + "]}");
        EXPECT_EQ(transcript.value("error", ""), c.error) << c.actions;
    }
}

TEST_F(ScriptRunner, TheRefusedStepKeepsItsMessagesAndLaterStepsDoNotRun) {
    const OrderedJson transcript = run(R"({"actions": [
        {"set": "frmMain.txtTubesHighSupply", "text": "x"},
        {"click": "frmMain.cmdCalculate"},
        {"click": "frmMain.cmdCalculate"}]})");
    EXPECT_EQ(transcript["error"], "step 2: cannot click frmMain.cmdCalculate: the focus is in "
                                   "frmMain.txtTubesHighSupply");
    ASSERT_EQ(transcript["steps"].size(), 2u);
    EXPECT_EQ(transcript["steps"][1]["messages"][0]["title"], "Number of Tubes High Non-Numeric");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Calculate"), 0);
}

TEST_F(ScriptRunner, AProgramThatFailsToStartIsReported) {
    launch = [](platform::Services) -> std::unique_ptr<Program> {
        throw std::runtime_error("no forms");
    };
    EXPECT_EQ(
        run(R"({"actions": []})"),
        OrderedJson::parse(R"({"steps": [], "settings": {}, "error": "start-up: no forms"})"));
}

} // namespace
} // namespace rac::cli
