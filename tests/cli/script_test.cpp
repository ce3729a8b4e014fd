#include "cli/script.h"

#include <gtest/gtest.h>

namespace rac::cli {
namespace {

Script read(const std::string& text) {
    return readScript(Json::parse(text));
}

std::string errorOf(const std::string& text) {
    try {
        read(text);
    } catch (const InputError& error) {
        return error.what();
    }
    return "no error";
}

TEST(ScriptReading, ReadsEveryAction) {
    const Script script = read(R"js({"settings": {"PaybackCalc/Country": "7"}, "actions": [
        {"set": "frmMain.txtDBSupplyOn", "text": "5"},
        {"type": "frmMain.txtFluidMaxPDSupply", "text": "0.5\r"},
        {"pick": "frmMain.cmbTubeDiameterSupply", "item": "16mm"},
        {"pick": "frmMain.cmbGlycolSelect", "index": 1},
        {"click": "frmBinDataResults.txtSavingKWh(3)"},
        {"toolbar": "frmMain", "button": 7},
        {"focus": "frmMain.txtA"}, {"leave": "frmMain.txtA"},
        {"tick": "frmMain.Timer1", "count": 3}, {"tick": "frmMain.Timer1"},
        {"answer": {"save": "/tmp/summary.rtf"}}, {"answer": {"print": "/tmp/p.pdf"}},
        {"answer": "cancel"},
        {"close": "frmCosting"},
        {"dump": ["frmMain", "frmAbout"]}, {"dump": []}]})js");
    ASSERT_EQ(script.settings.size(), 1u);
    EXPECT_EQ(script.settings[0],
              (std::pair<std::string, std::string>{"PaybackCalc/Country", "7"}));
    const auto& a = script.actions;
    ASSERT_EQ(a.size(), 16u);
    EXPECT_EQ(a[0].verb, Verb::Set);
    EXPECT_EQ(a[0].form, "frmMain");
    EXPECT_EQ(a[0].control, "txtDBSupplyOn");
    EXPECT_EQ(a[1].text, "0.5\r");
    EXPECT_EQ(a[2].text, "16mm");
    EXPECT_FALSE(a[2].index);
    EXPECT_EQ(a[3].index, 1);
    EXPECT_EQ(a[4].form, "frmBinDataResults");
    EXPECT_EQ(a[4].control, "txtSavingKWh(3)");
    EXPECT_EQ(a[5].form, "frmMain");
    EXPECT_EQ(a[5].number, 7);
    EXPECT_EQ(a[7].verb, Verb::Leave);
    EXPECT_EQ(a[8].number, 3);
    EXPECT_EQ(a[9].number, 1);
    EXPECT_EQ(a[10].answer, platform::DialogAnswer::save("/tmp/summary.rtf"));
    EXPECT_EQ(a[11].answer, platform::DialogAnswer::print("/tmp/p.pdf"));
    EXPECT_EQ(a[12].answer, platform::DialogAnswer::cancel());
    EXPECT_EQ(a[13].form, "frmCosting");
    EXPECT_EQ(a[14].forms, (std::vector<std::string>{"frmMain", "frmAbout"}));
    EXPECT_TRUE(a[15].forms.empty());
}

TEST(ScriptReading, NamesTheStepAndTheFault) {
    struct Case {
        std::string script;
        std::string error;
    };
    const std::vector<Case> cases{
        {R"([])", "a script must be a JSON object, not an array"},
        {R"({})", "a script has no \"actions\""},
        {R"({"actions": {}})", "\"actions\" must be a list of steps, not an object"},
        {R"({"actions": [], "setting": {}})",
         "unknown key \"setting\" in a script (it takes \"settings\", \"actions\")"},
        {R"({"settings": {"Country": "7"}, "actions": []})",
         "settings: \"Country\" is not of the form Section/Value"},
        {R"({"settings": {"A/B": 7}, "actions": []})",
         "the setting \"A/B\" must be a text in quotes, not a number"},
        {R"({"actions": [{"click": "frmMain.cmdCalculate"}, "click"]})",
         "step 2: a step must be a JSON object, not a text"},
        {R"({"actions": [{"press": "frmMain.cmdCalculate"}]})",
         "step 1: no action: a step is one of set, type, pick, click, toolbar, focus, leave, "
         "tick, answer, close, dump"},
        {R"({"actions": [{"click": "frmMain.a", "set": "frmMain.b"}]})",
         "step 1: one step takes one action, not both \"set\" and \"click\""},
        {R"({"actions": [{"set": "frmMain.txtA"}]})", "step 1: a step has no \"text\""},
        {R"({"actions": [{"set": "frmMain.txtA", "text": 5}]})",
         "step 1: \"text\" must be a text in quotes, not a number"},
        {R"({"actions": [{"click": "frmMain.cmdA", "text": "x"}]})",
         "step 1: unknown key \"text\" in a step (it takes \"click\")"},
        {R"({"actions": [{"click": "cmdCalculate"}]})",
         "step 1: \"click\" must name a form and a control, such as \"frmMain.cmdCalculate\", "
         "not \"cmdCalculate\""},
        {R"({"actions": [{"click": "frmMain."}]})",
         "step 1: \"click\" must name a form and a control, such as \"frmMain.cmdCalculate\", "
         "not \"frmMain.\""},
        {R"({"actions": [{"pick": "frmMain.cmbA"}]})",
         "step 1: \"pick\" takes either \"item\" or \"index\""},
        {R"({"actions": [{"pick": "frmMain.cmbA", "item": "x", "index": 0}]})",
         "step 1: \"pick\" takes either \"item\" or \"index\""},
        {R"({"actions": [{"pick": "frmMain.cmbA", "index": -1}]})",
         "step 1: \"index\" must be a whole number from 0 to 2147483647, not -1"},
        {R"({"actions": [{"toolbar": "frmMain", "button": 1.5}]})",
         "step 1: \"button\" must be a whole number from 1 to 2147483647, not 1.5"},
        {R"({"actions": [{"toolbar": "frmMain.Toolbar1", "button": 1}]})",
         "step 1: \"toolbar\" must name a form, such as \"frmMain\", not \"frmMain.Toolbar1\""},
        {R"({"actions": [{"tick": "frmMain.Timer1", "count": 100001}]})",
         "step 1: \"count\" must be a whole number from 0 to 100000, not 100001"},
        {R"({"actions": [{"tick": "frmMain.Timer1", "count": 18446744073709551615}]})",
         "step 1: \"count\" must be a whole number from 0 to 100000, not 18446744073709551615"},
        {R"({"actions": [{"answer": "save"}]})",
         "step 1: \"answer\" must be {\"save\": PATH}, {\"print\": PATH} or \"cancel\""},
        {R"({"actions": [{"answer": {"save": "a", "print": "b"}}]})",
         "step 1: \"answer\" must be {\"save\": PATH}, {\"print\": PATH} or \"cancel\""},
        {R"({"actions": [{"dump": "frmMain"}]})",
         "step 1: \"dump\" must be a list of form names, not a text"},
        {R"({"actions": [{"dump": [""]}]})",
         "step 1: a form to dump must name a form, such as \"frmMain\", not \"\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.script), c.error) << c.script;
    }
}

} // namespace
} // namespace rac::cli
