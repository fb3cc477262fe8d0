// One SharedDLLs counter per file, whatever spelling of its path the script gives.
#include <gtest/gtest.h>

#include "installer/controller/install_paths.h"
#include "installer/controller/shared_counts.h"
#include "installer/controller/tests/fakes/copy_world.h"

namespace aw {
namespace {

class SharedCountNameTest : public testing::InstallerWorldTest {
  protected:
    std::optional<std::vector<NamedValue>> Counters() {
        return system.registry.Values({kLocalMachine, kSharedDllsKey});
    }
};

TEST(NormalisedPathTest, DotsAndBackslashesResolvedNeverAboveTheRoot) {
    EXPECT_EQ(NormalisedPath("C:\\WINDOWS\\SYSTEM\\..\\..\\APP\\F.DLL"), "C:\\APP\\F.DLL");
    EXPECT_EQ(NormalisedPath("C:\\APP\\.\\\\SUB\\"), "C:\\APP\\SUB");
    EXPECT_EQ(NormalisedPath("C:\\..\\..\\WINDOWS"), "C:\\WINDOWS");
    EXPECT_EQ(NormalisedPath("C:\\WINDOWS\\.."), "C:\\");
    EXPECT_EQ(NormalisedPath("C:"), "C:\\");
    EXPECT_EQ(NormalisedPath("\\\\SERVER\\SHARE\\A\\..\\B"), "\\\\SERVER\\SHARE\\B");
}

TEST_F(SharedCountNameTest, APathClimbingOutOfTheSystemDirectoryIsNotCountedOneClimbingInIs) {
    EXPECT_EQ(installer.IncrementSharedCount("C:\\WINDOWS\\SYSTEM\\..\\..\\APP\\F.DLL"), -1);
    EXPECT_EQ(installer.IncrementSharedCount("C:\\APP\\..\\WINDOWS\\SYSTEM\\F.DLL"), 1);
    EXPECT_EQ(installer.IncrementSharedCount("C:\\WINDOWS\\SYSTEM\\F.DLL"), 2);
    ASSERT_EQ(Counters()->size(), 1u);
    EXPECT_EQ(Counters()->front().Name, "C:\\WINDOWS\\SYSTEM\\F.DLL");
}

TEST_F(SharedCountNameTest, ShortAndLongSpellingsShareOneCounter) {
    const std::string common = "C:\\Program Files\\Common Files";
    system.registry.Put(kLocalMachine, kCurrentVersionKey, kCommonFilesValue,
                        {kRegText, {common.begin(), common.end()}});
    system.shortPaths.LongForms["C:\\PROGRA~1\\COMMON~1\\VENDOR~1\\S.DLL"] =
        common + "\\Vendor Shared\\S.DLL";
    system.shortPaths.Forms[common + "\\Vendor Shared\\LongLibrary.dll"] =
        "C:\\PROGRA~1\\COMMON~1\\VENDOR~1\\LONGLI~1.DLL";
    system.shortPaths.LongForms["C:\\PROGRA~1\\COMMON~1\\VENDOR~1\\LONGLI~1.DLL"] =
        common + "\\Vendor Shared\\LongLibrary.dll";
    system.registry.Put(kLocalMachine, kSharedDllsKey,
                        "C:\\PROGRA~1\\COMMON~1\\VENDOR~1\\LONGLI~1.DLL",
                        {kRegBytes, {3, 0, 0, 0}});

    EXPECT_EQ(installer.IncrementSharedCount("C:\\PROGRA~1\\COMMON~1\\VENDOR~1\\S.DLL"), 1);
    EXPECT_EQ(installer.IncrementSharedCount(common + "\\Vendor Shared\\S.DLL"), 2);
    EXPECT_EQ(installer.IncrementSharedCount(common + "\\Vendor Shared\\LongLibrary.dll"), 4);
    EXPECT_EQ(Counters()->size(), 2u);
}

}  // namespace
}  // namespace aw
