// The operating-system record from the version and the configured shell.
#include "installer/controller/shell/os_record.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(OsRecordTest, TheWindows95FamilyHasTheNewShellAndNeverProgramManager) {
    EXPECT_EQ(MakeOsRecord(kVersionWindows, 4, 10, "progman.exe"),
              (OsRecord{kWindows95Family, true, true}));
}

TEST(OsRecordTest, WindowsNtHasTheNewShellFrom351OnAndMayRunProgramManager) {
    EXPECT_EQ(MakeOsRecord(kVersionNt, 4, 0, "Explorer.exe"), (OsRecord{kWindowsNt, true, true}));
    EXPECT_EQ(MakeOsRecord(kVersionNt, 3, 51, "PROGMAN.EXE"), (OsRecord{kWindowsNt, true, false}));
    EXPECT_EQ(MakeOsRecord(kVersionNt, 3, 50, std::nullopt), (OsRecord{kWindowsNt, false, true}));
    EXPECT_EQ(MakeOsRecord(kVersionWin32s, 3, 10, "progman.exe"), (OsRecord{kWin32s, true, false}));
}

TEST(OsRecordTest, ThePlatformKeyIsEmptyOnlyOnWin32s) {
    EXPECT_EQ(PlatformKey(kWindowsNt), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(PlatformKey(kWindows95Family), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(PlatformKey(kWin32s), "");
}

}  // namespace
}  // namespace aw
