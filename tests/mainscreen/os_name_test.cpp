#include "mainscreen/os_name.h"

#include <gtest/gtest.h>

namespace rac::mainscreen {
namespace {

TEST(OperatingSystemName, PrettyNameOfAnOsReleaseFile) {
    EXPECT_EQ(prettyNameFromOsRelease("NAME=\"Debian GNU/Linux\"\n"
                                      "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
                                      "ID=debian\n"),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(prettyNameFromOsRelease("PRETTY_NAME='Single Quoted'\r\n"), "Single Quoted");
    EXPECT_EQ(prettyNameFromOsRelease("PRETTY_NAME=Bare"), "Bare");
    EXPECT_EQ(prettyNameFromOsRelease("PRETTY_NAME=\"Say \\\"hi\\\" \\\\ \\$HOME\""),
              "Say \"hi\" \\ $HOME");
    EXPECT_EQ(prettyNameFromOsRelease("PRETTY_NAME=\"First\"\nPRETTY_NAME=\"Second\""), "Second");
    EXPECT_EQ(prettyNameFromOsRelease("NAME=Linux\n# PRETTY_NAME=\"Commented\"\n"), std::nullopt);
    EXPECT_EQ(prettyNameFromOsRelease("PRETTY_NAME=\"\"\n"), std::nullopt);
    EXPECT_EQ(prettyNameFromOsRelease(""), std::nullopt);
    // The splash's caption of it is checked whole in the program's shell tests.
    EXPECT_FALSE(operatingSystemName().empty());
}

} // namespace
} // namespace rac::mainscreen
