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

TEST(SummaryScript, WhileTheSummaryIsOpenTheMainScreenRefusesTheUser) {
    const OrderedJson transcript = run(R"({"actions": [
        {"click": "frmMain.cmdCalculate"}, {"toolbar": "frmMain", "button": 14},
        {"click": "frmMain.cmdCalculate"}]})");
    EXPECT_EQ(transcript["error"],
              "step 3: cannot click frmMain.cmdCalculate: frmSummary is shown modal");
}

} // namespace
} // namespace rac::cli
