// The summary through rac-cli, on the real program. The selection_summary transcript pins its
// comments and the answers to its dialogs; the summary's own tests and the desktop's (which
// compares its file with rac-cli's) check what a save writes.
#include "cli/application_program.h"
#include "cli/script.h"
#include "cli/script_runner.h"

#include <gtest/gtest.h>

namespace rac::cli {
namespace {

OrderedJson run(const std::string& script) {
    return transcriptJson(runScript(readScript(Json::parse(script)), launchApplication));
}

// Transcripts show the summary shown modal; here every kind of step on the main screen is refused
// while it is, and taken again once it is closed.
TEST(SummaryScript, WhileTheSummaryIsOpenTheMainScreenRefusesTheUser) {
    const std::string open =
        R"({"actions": [{"click": "frmMain.cmdCalculate"}, {"toolbar": "frmMain", "button": 14}, )";
    const std::vector<std::pair<std::string, std::string>> refused{
        {R"({"click": "frmMain.cmdCalculate"})", "cannot click frmMain.cmdCalculate"},
        {R"({"set": "frmMain.txtDBSupplyOn", "text": "5"})",
         "cannot type into frmMain.txtDBSupplyOn"},
        {R"({"close": "frmMain"})", "cannot close frmMain"},
        {R"({"toolbar": "frmMain", "button": 14})", "cannot press frmMain.Toolbar1(14)"},
    };
    for (const auto& [action, error] : refused) {
        EXPECT_EQ(run(open + action + "]}")["error"],
                  "step 3: " + error + ": frmSummary is shown modal");
    }
    const OrderedJson closed =
        run(open + R"({"click": "frmSummary.cmdclose"}, {"click": "frmMain.cmdCalculate"}]})");
    EXPECT_FALSE(closed.contains("error")) << closed.dump();
}

} // namespace
} // namespace rac::cli
