#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace rac::test {

namespace fs = std::filesystem;

inline std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A fresh folder of the test's own name, removed afterwards.
class TemporaryFolder : public ::testing::Test {
  protected:
    TemporaryFolder() {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~TemporaryFolder() override { fs::remove_all(folder); }

    const fs::path folder =
        fs::temp_directory_path() /
        ("rac_test_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()) +
         "_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

} // namespace rac::test
