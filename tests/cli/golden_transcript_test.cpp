#include "cli/application_program.h"
#include "support/temporary_folder.h"
#include "test_program.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

// Whole user sessions on the real program, compared with transcripts checked by hand. After a
// deliberate change of the screens, regenerate one with
//   rac-cli script tests/cli/data/NAME.script.json > tests/cli/data/NAME.transcript.json
// and read the difference before keeping it.
namespace rac::cli {
namespace {

namespace fs = std::filesystem;

const fs::path dataFolder = fs::path(RAC_TESTS_FOLDER) / "cli" / "data";

using test::contentsOf;

std::vector<std::string> sessions() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dataFolder)) {
        const std::string file = entry.path().filename().string();
        if (file.ends_with(".script.json")) {
            names.push_back(file.substr(0, file.size() - std::string(".script.json").size()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenTranscript : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTranscript, MatchesTheCheckedTranscript) {
    const fs::path script = dataFolder / (GetParam() + ".script.json");
    const auto ran = testing_support::runCli({"script", script.string()}, "", launchApplication);
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.out, contentsOf(dataFolder / (GetParam() + ".transcript.json")));
}

INSTANTIATE_TEST_SUITE_P(Sessions, GoldenTranscript, ::testing::ValuesIn(sessions()),
                         [](const ::testing::TestParamInfo<std::string>& session) {
                             return session.param;
                         });

TEST(GoldenTranscripts, AreThere) {
    EXPECT_GE(sessions().size(), 5u);
}

} // namespace
} // namespace rac::cli
