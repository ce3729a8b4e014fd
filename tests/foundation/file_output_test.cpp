#include "foundation/file_output.h"
#include "support/temporary_folder.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rac {
namespace {

using test::contentsOf;
using test::TemporaryFolder;
namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(TemporaryFolder, WholeFileReplacesTheOldOne) {
    const fs::path target = folder / "summary.rtf";
    ASSERT_TRUE(writeWholeFile(target.string(), "first, longer text"));
    ASSERT_TRUE(writeWholeFile(target.string(), "second"));
    EXPECT_EQ(contentsOf(target), "second");
    EXPECT_EQ(entriesIn(folder), 1u) << "no temporary left behind";
}

TEST_F(TemporaryFolder, AFileThatCannotBeWrittenSaysWhy) {
    const fs::path plain = folder / "plain.txt";
    ASSERT_TRUE(writeWholeFile(plain.string(), "x"));
    const std::pair<std::string, std::string> rows[] = {
        {"", "no file name was given"},
        {folder.string(), "it is a folder"},
        {(folder / "no" / "such.rtf").string(), "No such file or directory"},
        {(plain / "summary.rtf").string(), "Not a directory"},
    };
    for (const auto& [path, why] : rows) {
        EXPECT_EQ(writeWholeFile(path, "x"), WriteResult{why}) << path;
    }
    EXPECT_EQ(entriesIn(folder), 1u);
}

// A disk that fills up in the middle of the write: the process may write only a few bytes to any
// file, so the write itself fails after the temporary was made. Run in a child process, whose
// limit ends with it.
TEST_F(TemporaryFolder, AWriteThatFailsHalfWayLeavesTheOldFileIntact) {
    const fs::path target = folder / "summary.rtf";
    ASSERT_TRUE(writeWholeFile(target.string(), "old"));
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        const rlimit limit{4, 4};
        setrlimit(RLIMIT_FSIZE, &limit);
        const WriteResult result = writeWholeFile(target.string(), std::string(100000, 'n'));
        const ssize_t written = write(pipeEnds[1], result.failure.data(), result.failure.size());
        _exit(written >= 0 ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string failure(200, '\0');
    const ssize_t read = ::read(pipeEnds[0], failure.data(), failure.size());
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    failure.resize(static_cast<std::size_t>(std::max<ssize_t>(read, 0)));
    EXPECT_EQ(failure, "File too large");
    EXPECT_EQ(contentsOf(target), "old");
    EXPECT_EQ(entriesIn(folder), 1u) << "the half-written temporary is removed";
}

} // namespace
} // namespace rac
