// Names on the media, as the installer forms them from the names in the install script.
#include <gtest/gtest.h>

#include "tools/distpack/media_names.h"

namespace aw {
namespace {

TEST(MediaNamesTest, CompressedNamesEndTheirExtensionInAnUnderscore) {
    EXPECT_EQ(CompressedName("setup.exe"), "setup.ex_");
    EXPECT_EQ(CompressedName("page.html"), "page.htm_");
    EXPECT_EQ(CompressedName("a.b.dll"), "a.b.dl_");
    EXPECT_EQ(CompressedName("main.c"), "main.c_");
    EXPECT_EQ(CompressedName("main.cp"), "main.cp_");
    EXPECT_EQ(CompressedName("readme"), "readme._");
}

TEST(MediaNamesTest, PiecesVolumesAndDiskFoldersAreNumberedInThreeDigits) {
    EXPECT_EQ(PieceName("big.dl_", 1), "big.001");
    EXPECT_EQ(PieceName("a.b.dat", 12), "a.b.012");
    EXPECT_EQ(PieceName("readme._", 998), "readme.998");
    EXPECT_EQ(PieceName("readme", 2), "readme.002");
    EXPECT_EQ(VolumeName("setup.exe", 0), "setup.exe");
    EXPECT_EQ(VolumeName("setup.exe", 7), "setup.007");
    EXPECT_EQ(VolumeName("INSTALL", 0), "INSTALL.exe");
    EXPECT_EQ(DiskFolderName(0), "disk001");
    EXPECT_EQ(DiskFolderName(998), "disk999");
}

TEST(MediaNamesTest, NamesThatCannotLieOnTheMedia) {
    EXPECT_EQ(MediaNameProblem("ok name.txt"), "");
    EXPECT_EQ(MediaNameProblem(std::string(259, 'n')), "");
    EXPECT_NE(MediaNameProblem(std::string(260, 'n')), "");
    EXPECT_NE(MediaNameProblem(""), "");
    for (const char* name : {"a\\b", "a/b", "c:x", "what?", "star*", "q\"", "<", ">", "a|b",
                             "tab\t", "dot.", "blank "}) {
        EXPECT_NE(MediaNameProblem(name), "") << name;
    }
}

}  // namespace
}  // namespace aw
