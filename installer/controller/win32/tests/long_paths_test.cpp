// The long form of a path, part by part, against the real file system's short names.
#include <windows.h>

#include <gtest/gtest.h>

#include "installer/controller/text_case.h"
#include "installer/controller/win32/win32_system_changes.h"

namespace aw {
namespace {

TEST(LongPathsTest, EveryExistingPartGetsItsLongNameAndTheRestStaysAsItIs) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string directory =
        std::string(temp) + "Long Directory Name " + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    Win32ShortPaths paths;
    const std::string shortForm = paths.ShortForm(directory);
    ASSERT_EQ(shortForm.find(' '), std::string::npos) << shortForm;
    EXPECT_TRUE(EqualIgnoringCase(paths.LongForm(shortForm), paths.LongForm(directory)));
    EXPECT_TRUE(paths.LongForm(shortForm).ends_with("Long Directory Name " +
                                                    std::to_string(GetCurrentProcessId())));
    EXPECT_TRUE(paths.LongForm(shortForm + "\\MISSING.DLL").ends_with("\\MISSING.DLL"));
    RemoveDirectoryA(directory.c_str());
}

}  // namespace
}  // namespace aw
