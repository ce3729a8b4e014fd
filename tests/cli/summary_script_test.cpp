// The summary through rac-cli, on the real program: opened like any form, commented, and saved
// through the answer to its save dialog.
#include "cli/application_program.h"
#include "cli/script.h"
#include "cli/script_runner.h"
#include "foundation/rtf_writer.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

namespace rac::cli {
namespace {

using test::contentsOf;
using test::TemporaryFolder;

OrderedJson run(const std::string& script) {
    return transcriptJson(runScript(readScript(Json::parse(script)), launchApplication));
}

TEST_F(TemporaryFolder, ASavedSummaryIsTheRichTextOfTheCommentedDocument) {
    const std::string path = (folder / "summary").string();
    const OrderedJson transcript = run(R"({"actions": [
        {"click": "frmMain.cmdCalculate"}, {"click": "frmMain.cmdPrint"},
        {"set": "frmSummary.txtComment", "text": "Vents ½ inch"},
        {"click": "frmSummary.cmdAddComment"},
        {"answer": {"save": ")" + path +
                                       R"("}}, {"click": "frmSummary.Command1"},
        {"dump": ["frmSummary"]}]})");
    ASSERT_FALSE(transcript.contains("error")) << transcript.dump();
    const std::string text =
        transcript["steps"][6]["dump"]["frmSummary"]["RichTextBox1"]["text"].get<std::string>();
    EXPECT_TRUE(text.ends_with("\nVents ½ inch"));
    EXPECT_EQ(contentsOf(path + ".rtf"), rtfOfPlainText(text));
    EXPECT_EQ(transcript["steps"][5]["messages"], OrderedJson::array());
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
