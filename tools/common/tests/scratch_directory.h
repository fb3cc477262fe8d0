// A fixture for tests that work on real files: each test has an empty directory of its own,
// named after the test and removed when it ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace aw::testing {

class ScratchDirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        directory = std::filesystem::path(::testing::TempDir()) /
                    (std::string(test->test_suite_name()) + "-" + test->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::string PathOf(const std::string& name) const { return (directory / name).string(); }

    std::filesystem::path directory;
};

}  // namespace aw::testing
