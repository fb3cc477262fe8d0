// The media of each packaging kind, byte for byte: where every file and piece lies, and the
// entries that say so.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "installer/lzpunz2/compressor.h"
#include "tools/distpack/packer.h"
#include "tools/distpack/tests/packing_fixture.h"

namespace aw::testing {
namespace {

struct Where {
    int firstDisk;
    int pieces;
    std::uint32_t offset;
    std::uint32_t storedSize;
};

void ExpectPlaced(const PackedFile& file, const Where& where) {
    SCOPED_TRACE(file.Name);
    EXPECT_EQ(file.FirstDisk, where.firstDisk);
    EXPECT_EQ(file.Pieces, where.pieces);
    EXPECT_EQ(file.Offset, where.offset);
    EXPECT_EQ(file.StoredSize, where.storedSize);
}

// Three stored files on disks of 4096 bytes in clusters of 512: the first takes two clusters,
// the second fills the disk and goes on to the next, the third follows it there.
class MediaLayoutTest : public PackingTest {
  protected:
    void SetUp() override {
        PackingTest::SetUp();
        inputs = {{Input("f1.dat", f1), "", false},
                  {Input("f2.dat", f2), "", false},
                  {Input("f3.dat", f3), "", false}};
    }
    PackResult Pack(MediaOptions options, const std::filesystem::path& launcher = {}) {
        options.DiskSize = 4096;
        options.ClusterSize = 512;
        PackResult result = PackMedia(inputs, options, media, launcher);
        EXPECT_EQ(result.Error, "");
        return result;
    }

    const Bytes f1 = Numbered(1000, 0);
    const Bytes f2 = Numbered(5000, 100000);
    const Bytes f3 = Numbered(100, 200000);
    std::vector<PackInput> inputs;
};

TEST_F(MediaLayoutTest, DiskFoldersHoldFilesAndNumberedPieces) {
    const PackResult result = Pack({.DiskFolders = true});
    EXPECT_EQ(result.Disks, 2);
    EXPECT_EQ(MediaFiles(), (std::set<std::string>{"disk001/f1.dat", "disk001/f2.dat",
                                                   "disk002/f2.001", "disk002/f3.dat"}));
    EXPECT_EQ(Media("disk001/f1.dat"), f1);
    EXPECT_EQ(Media("disk001/f2.dat"), Slice(f2, 0, 3072));
    EXPECT_EQ(Media("disk002/f2.001"), Slice(f2, 3072, 1928));
    EXPECT_EQ(Media("disk002/f3.dat"), f3);
    ExpectPlaced(result.Files[0], {0, 1, 0, 1000});
    ExpectPlaced(result.Files[1], {0, 2, 0, 5000});
    ExpectPlaced(result.Files[2], {1, 1, 0, 100});
}

TEST_F(MediaLayoutTest, SingleSourceKeepsEveryPieceInOneDirectory) {
    const PackResult result = Pack({});
    EXPECT_EQ(result.Disks, 2);
    EXPECT_EQ(MediaFiles(), (std::set<std::string>{"f1.dat", "f2.dat", "f2.001", "f3.dat"}));
    EXPECT_EQ(Media("f2.001"), Slice(f2, 3072, 1928));
    ExpectPlaced(result.Files[2], {1, 1, 0, 100});
}

TEST_F(MediaLayoutTest, VolumesFollowTheLauncherAndContinueAtTheStartOfTheNext) {
    const Bytes launcher = Numbered(700, 300000);
    const PackResult result = Pack({.StartFile = "SETUP.EXE"}, Input("stub.exe", launcher));
    EXPECT_EQ(result.Disks, 2);
    EXPECT_EQ(MediaFiles(), (std::set<std::string>{"SETUP.exe", "SETUP.001"}));
    EXPECT_EQ(Media("SETUP.exe"), Concat({launcher, f1, Slice(f2, 0, 2396)}));
    EXPECT_EQ(Media("SETUP.001"), Concat({Slice(f2, 2396, 2604), f3}));
    ExpectPlaced(result.Files[0], {0, 1, 700, 1000});
    ExpectPlaced(result.Files[1], {0, 2, 1700, 5000});
    ExpectPlaced(result.Files[2], {1, 1, 2604, 100});
}

TEST_F(MediaLayoutTest, VolumesInDiskFolders) {
    const PackResult result = Pack({.DiskFolders = true, .StartFile = "setup.exe"});
    EXPECT_EQ(MediaFiles(), (std::set<std::string>{"disk001/setup.exe", "disk002/setup.001"}));
    EXPECT_EQ(Media("disk002/setup.001"), Concat({Slice(f2, 3096, 1904), f3}));
    ExpectPlaced(result.Files[2], {1, 1, 1904, 100});
}

TEST_F(MediaLayoutTest, ReserveIsKeptFreeOnTheFirstDisk) {
    const PackResult result = Pack({.DiskFolders = true, .Reserve = 1000});
    // 1024 reserved and 1024 for the first file leave 2048 for the second.
    EXPECT_EQ(Media("disk001/f2.dat"), Slice(f2, 0, 2048));
    EXPECT_EQ(Media("disk002/f2.001"), Slice(f2, 2048, 2952));
    ExpectPlaced(result.Files[2], {1, 1, 0, 100});
}

TEST_F(PackingTest, FileThatFillsADiskLeavesTheNextFileToTheNextDisk) {
    const Bytes full = Numbered(4096, 0);
    const PackResult result =
        PackMedia({{Input("full.dat", full), "", false}, {Input("next.dat", {1, 2}), "", false}},
                  {.DiskFolders = true, .DiskSize = 4096}, media);
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(MediaFiles(), (std::set<std::string>{"disk001/full.dat", "disk002/next.dat"}));
    ExpectPlaced(result.Files[0], {0, 1, 0, 4096});
    ExpectPlaced(result.Files[1], {1, 1, 0, 2});
}

// A compressed file split over three disks reads back, by the installer's rules, as what it
// was: "_" in its extension, then pieces numbered by piece in the following disks' folders.
TEST_F(PackingTest, CompressedFileSplitOverDiskFoldersExpandsFromItsPieces) {
    const Bytes data = Numbered(20000, 5);
    const Bytes compressed = lzpunz::Compress(data);
    ASSERT_GT(compressed.size(), 2 * 8192u);
    const PackResult result =
        PackMedia({{Input("big.dll", data)}}, {.DiskFolders = true, .DiskSize = 8192}, media);
    ASSERT_EQ(result.Error, "");
    EXPECT_EQ(MediaFiles(),
              (std::set<std::string>{"disk001/big.dl_", "disk002/big.001", "disk003/big.002"}));
    EXPECT_EQ(Media("disk001/big.dl_").size(), 8192u);
    const Bytes joined =
        Concat({Media("disk001/big.dl_"), Media("disk002/big.001"), Media("disk003/big.002")});
    EXPECT_EQ(joined, compressed);
    EXPECT_EQ(Expand(joined), data);
    ExpectPlaced(result.Files[0], {0, 3, 0, static_cast<std::uint32_t>(compressed.size())});
    EXPECT_EQ(result.Files[0].Size, data.size());
    EXPECT_TRUE(result.Files[0].Compressed);
}

TEST_F(PackingTest, NamesOnTheMediaAndEmptyFiles) {
    const PackResult result =
        PackMedia({{Input("readme", {'h', 'i'})},
                   {Input("empty.txt", {}), "EMPTY.TXT", false},
                   {Input("nothing.c", {})},
                   {Input("tool.exe", {'M', 'Z'}), "renamed.exe", true, true}},
                  {}, media);
    ASSERT_EQ(result.Error, "");
    EXPECT_EQ(MediaFiles(),
              (std::set<std::string>{"readme._", "EMPTY.TXT", "nothing.c_", "renamed.ex_"}));
    EXPECT_EQ(Media("EMPTY.TXT"), Bytes());
    EXPECT_EQ(Expand(Media("nothing.c_")), Bytes());
    EXPECT_EQ(Expand(Media("readme._")), (Bytes{'h', 'i'}));
    ExpectPlaced(result.Files[1], {0, 1, 0, 0});
    EXPECT_EQ(result.Files[3].Name, "renamed.exe");
    EXPECT_TRUE(result.Files[3].Auxiliary);
    EXPECT_FALSE(result.Files[1].Auxiliary);
}

TEST_F(PackingTest, TimeStampIsTheLastWriteInLocalTime) {
    setenv("TZ", "UTC", 1);
    tzset();
    const std::filesystem::path path = Input("dated.txt", {'x'});
    // 3 February 2001, 04:05:06 UTC.
    const auto when = std::chrono::sys_seconds(std::chrono::seconds(981173106));
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(when));
    const PackResult result = PackMedia({{path}}, {}, media);
    ASSERT_EQ(result.Error, "");
    const SystemTime& stamp = result.Files[0].Stamp;
    EXPECT_EQ((std::vector<int>{stamp.wYear, stamp.wMonth, stamp.wDay, stamp.wHour, stamp.wMinute,
                                stamp.wSecond}),
              (std::vector<int>{2001, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace aw::testing
