// The string list written to real files through the Win32 file functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "installer/script/variables/string_list_file.h"
#include "installer/script/variables/tests/fakes/fake_controller.h"
#include "installer/script/variables/win32/file_output.h"

namespace aw {
namespace {

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ScriptStringListFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        // One directory per test: ctest runs the tests of this file side by side.
        directory = std::string(temp) + "aw_strs_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(directory.c_str(), nullptr);
        path = StringListPath(directory);
        DeleteFileA(path.c_str());
    }

    void TearDown() override {
        DeleteFileA(path.c_str());
        RemoveDirectoryA(directory.c_str());
    }

    std::string directory;
    std::string path;
    Win32OutputFiles files;
    testing::FakeErrorReport errors;
};

TEST_F(ScriptStringListFileTest, WritesOneLinePerText) {
    const std::vector<std::string> lines = {"C:\\APP", "", "last"};
    ASSERT_TRUE(WriteStringListFile(lines, path, files, errors));
    EXPECT_EQ(ReadFileText(path), "C:\\APP\r\n\r\nlast\r\n");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ScriptStringListFileTest, ReplacesAnOlderLongerFile) {
    std::ofstream(path, std::ios::binary) << std::string(5000, 'o');
    const std::vector<std::string> lines = {"new"};
    ASSERT_TRUE(WriteStringListFile(lines, path, files, errors));
    EXPECT_EQ(ReadFileText(path), "new\r\n");
}

TEST_F(ScriptStringListFileTest, WritesLargeListsWhole) {
    const std::vector<std::string> lines(300, std::string(1000, 'x'));
    ASSERT_TRUE(WriteStringListFile(lines, path, files, errors));
    EXPECT_EQ(ReadFileText(path).size(), 300u * 1002u);
}

TEST_F(ScriptStringListFileTest, AMissingDirectoryCannotBeOpened) {
    const std::string missing = directory + "\\no such dir\\strs";
    EXPECT_FALSE(WriteStringListFile({}, missing, files, errors));
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Unable to open " + missing});
}

TEST_F(ScriptStringListFileTest, AFileHeldOpenElsewhereCannotBeOpened) {
    const HANDLE held = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteStringListFile({}, path, files, errors));
    CloseHandle(held);
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Unable to open " + path});
}

}  // namespace
}  // namespace aw
