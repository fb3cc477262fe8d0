// Space on a disk: whole clusters for each file, the disk's size rounded down to clusters.
#include <gtest/gtest.h>

#include "tools/distpack/disk_space.h"

namespace aw {
namespace {

TEST(DiskSpaceTest, FilesTakeWholeClusters) {
    DiskSpace space(1457664, 512);
    EXPECT_EQ(space.Free(), 1457664u);
    space.Add(1);
    space.EndFile(1);
    EXPECT_EQ(space.Free(), 1457664u - 512);
    space.Add(1024);
    space.EndFile(1024);
    EXPECT_EQ(space.Free(), 1457664u - 1536);
    space.EndFile(0);
    EXPECT_EQ(space.Free(), 1457664u - 1536) << "an empty file takes no cluster";
}

TEST(DiskSpaceTest, DiskSizeIsRoundedDownToClusters) {
    EXPECT_EQ(DiskSpace(5000, 2048).Free(), 4096u);
    EXPECT_EQ(DiskSpace(100, 512).Free(), 0u);
}

TEST(DiskSpaceTest, NoLimitAndTheLastDisk) {
    DiskSpace unlimited(0, 512);
    unlimited.Add(std::uint64_t{1} << 40);
    EXPECT_GT(unlimited.Free(), std::uint64_t{1} << 60);

    DiskSpace space(4096, 512);
    space.Add(4096);
    for (int disk = 1; disk < kMaxDisks; ++disk) {
        ASSERT_TRUE(space.NextDisk());
    }
    EXPECT_EQ(space.Disk(), 998);
    EXPECT_EQ(space.Free(), 4096u);
    EXPECT_FALSE(space.NextDisk());
}

}  // namespace
}  // namespace aw
