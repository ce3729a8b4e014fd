#include "foundation/file_output.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

namespace rac {
namespace {

using test::contentsOf;
using test::TemporaryFolder;
namespace fs = std::filesystem;

TEST_F(TemporaryFolder, WholeFileReplacesOrLeavesTheOldOneIntact) {
    const fs::path target = folder / "summary.rtf";
    ASSERT_TRUE(writeWholeFile(target.string(), "first, longer text"));
    ASSERT_TRUE(writeWholeFile(target.string(), "second"));
    EXPECT_EQ(contentsOf(target), "second");
    EXPECT_FALSE(writeWholeFile("", "x"));
    EXPECT_FALSE(writeWholeFile(folder.string(), "x")); // a folder of that name
    EXPECT_FALSE(writeWholeFile((folder / "no" / "such.rtf").string(), "x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "no temporary left behind";
}

} // namespace
} // namespace rac
