#include "cli/selection_terms.h"
#include "test_program.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace rac::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class CommandLine : public ::testing::Test {
  protected:
    testing_support::CliRun run(const std::vector<std::string>& args,
                                const std::string& input = {}) {
        return testing_support::runCli(args, input, testing_support::testLauncher(log));
    }

    std::vector<std::string> log;
};

TEST_F(CommandLine, HelpGoesToStandardOutputAndFaultsOnlyToStandardError) {
    const auto help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("usage: rac-cli calculate [FILE...]"));
    EXPECT_EQ(help.err, "");
    EXPECT_THAT(run({"calculate", "--help"}).out, HasSubstr("\"Air Off DB\" (default)"));
    EXPECT_THAT(run({"script", "--help"}).out, HasSubstr("FORM.CONTROL(N)"));
    const std::string& usage = help.out;
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string error;
    };
    const std::vector<Case> cases{
        {{}, "", "rac-cli: no command given\n" + usage},
        {{"frobnicate"}, "", "rac-cli: unknown command \"frobnicate\"\n" + usage},
        {{"script", "a", "b"}, "", "rac-cli: script takes at most one FILE\n" + usage},
        {{"calculate", "a.rac", "-x"}, "", "rac-cli: unknown option \"-x\"\n" + usage},
        {{"script", "--verbose"}, "", "rac-cli: unknown option \"--verbose\"\n" + usage},
        {{"calculate", "/no/such/file.jsonl"},
         "",
         "rac-cli: cannot open \"/no/such/file.jsonl\": No such file or directory\n"},
        {{"script", "/"}, "", "rac-cli: cannot read \"/\": it is a folder\n"},
        {{"script"}, "", "rac-cli: the input is empty: a script is one JSON object\n"},
        {{"script"},
         "{\"actions\": [\n  {\"click\": \"frmMain.cmdCalculate\"},\n  {\"click\" 1}]}",
         "rac-cli: line 3: malformed JSON: syntax error while parsing object separator - "
         "unexpected number literal; expected ':'\n"},
        {{"script"},
         R"({"actions": [{"click": "frmMain.cmdCalculate"}, {"clack": "x"}]})",
         "rac-cli: step 2: no action: a step is one of set, type, pick, click, toolbar, focus, "
         "leave, tick, select, answer, close, dump\n"},
    };
    for (const Case& c : cases) {
        const auto bad = run(c.args, c.input);
        EXPECT_EQ(bad.status, 2);
        EXPECT_EQ(bad.out, "");
        EXPECT_EQ(bad.err, c.error);
    }
    EXPECT_TRUE(log.empty()); // nothing ran
}

// A folder of saved selections re-run in one batch, beside a file of requests and standard input:
// one answer line for each selection file, good or bad, each fault naming its file.
TEST_F(CommandLine, CalculatesEachSelectionFileAsOneRequest) {
    const auto folder = std::filesystem::temp_directory_path() / "rac_cli_test_selections";
    std::filesystem::create_directories(folder);
    const auto write = [&](const char* name, const char* text) {
        std::ofstream(folder / name) << text;
        return (folder / name).string();
    };
    const std::string rating = write("rating.rac", "{\"format\": 1,\n \"mode\": \"Rating\"}\n");
    const std::string later = write("later.rac", R"({"format": 2, "program": "2.0"})");
    const std::string batch = write("batch.jsonl", "{}\n{\"mode\": \"Ratin\"}\n");
    const auto ran = run({"calculate", rating, later, batch, (folder / "gone.rac").string(), "-"},
                         R"({"mode": "Rating"})");
    std::filesystem::remove_all(folder);

    EXPECT_EQ(ran.status, 2);
    const auto lines = testing_support::linesOf(ran.out);
    ASSERT_EQ(lines.size(), 6U) << ran.out;
    EXPECT_THAT(lines[0], HasSubstr("\"txtCoilCodeSupply\":\"Rating\""));
    const std::string laterFault = "\"" + later +
                                   "\": it is in selection file format 2 (saved by version 2.0); "
                                   "this version 1.1 reads format 1";
    EXPECT_EQ(Json::parse(lines[1])["error"], laterFault);
    EXPECT_THAT(lines[2], HasSubstr("\"txtCoilCodeSupply\":\"Selection\""));
    EXPECT_EQ(Json::parse(lines[3])["error"],
              batch + R"(: line 2: "mode" must be "Selection" or "Rating", not "Ratin")");
    EXPECT_THAT(Json::parse(lines[4])["error"].get<std::string>(),
                HasSubstr("gone.rac\": it cannot be read: No such file or directory"));
    EXPECT_EQ(lines[5], lines[0]);
    EXPECT_THAT(ran.err, HasSubstr("rac-cli: " + laterFault + "\n"));
}

// The golden transcripts pin what a script that runs through writes.
TEST_F(CommandLine, ScriptWritesTheTranscriptEvenWhenAStepIsRefused) {
    const auto refused = run({"script"}, R"({"actions": [{"close": "frmHidden"}]})");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(Json::parse(refused.out)["error"],
              "step 1: cannot close frmHidden: frmHidden is not shown");
    EXPECT_EQ(refused.err, "rac-cli: step 1: cannot close frmHidden: frmHidden is not shown\n");
}

} // namespace
} // namespace rac::cli
