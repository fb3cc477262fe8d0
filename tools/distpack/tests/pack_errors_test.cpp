// Bad input stops the packer with a message that names the file, before anything is written
// where the input can be checked first.
#include <gtest/gtest.h>

#include "tools/distpack/packer.h"
#include "tools/distpack/tests/packing_fixture.h"

namespace aw::testing {
namespace {

::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << '"' << text << "\" does not hold \"" << part << '"';
}

class PackErrorsTest : public PackingTest {
  protected:
    // The error, which must name `about`.
    std::string ErrorOf(const std::vector<PackInput>& inputs, const MediaOptions& options,
                        const std::string& about, const std::filesystem::path& launcher = {}) {
        const PackResult result = PackMedia(inputs, options, media, launcher);
        EXPECT_TRUE(Contains(result.Error, about));
        return result.Error;
    }
};

TEST_F(PackErrorsTest, MissingFileOrDirectoryWritesNothing) {
    const std::string good = Input("good.txt", {1}).string();
    const std::string missing = (directory / "in" / "missing.dll").string();
    EXPECT_EQ(ErrorOf({{good}, {missing}}, {}, missing), missing + ": no such file");
    EXPECT_EQ(ErrorOf({{directory / "in"}}, {}, "in"),
              (directory / "in").string() + ": not a file");
    EXPECT_TRUE(MediaFiles().empty());
}

TEST_F(PackErrorsTest, NamesOver259Characters) {
    const std::string source = Input("a.txt", {1}).string();
    EXPECT_TRUE(
        Contains(ErrorOf({{source, std::string(260, 'n')}}, {}, source), "over 259 characters"));
    // 259 characters, but one more once compressed.
    const std::string name = std::string(256, 'n') + ".ab";
    EXPECT_TRUE(Contains(ErrorOf({{source, name, true}}, {}, source),
                         "compressed name, " + name + "_, is over 259"));
    EXPECT_TRUE(Contains(ErrorOf({{source, "a:b"}}, {}, source), "character"));
    EXPECT_TRUE(MediaFiles().empty());
}

TEST_F(PackErrorsTest, DiskTooSmallForAnyPiece) {
    const std::string source = Input("a.txt", {1, 2, 3}).string();
    EXPECT_EQ(ErrorOf({{source, "", false}}, {.DiskSize = 100, .ClusterSize = 512}, source),
              source + ": a disk of 100 bytes cannot hold any piece of it (clusters of 512 bytes)");
}

TEST_F(PackErrorsTest, MoreThan999Disks) {
    const std::string source = Input("huge.dat", Numbered(512 * 1000, 0)).string();
    EXPECT_EQ(ErrorOf({{source, "", false}}, {.DiskSize = 512}, source),
              source + ": the files need more than 999 disks");
}

TEST_F(PackErrorsTest, LauncherLargerThanTheFirstDisk) {
    const std::string source = Input("a.txt", {1}).string();
    const std::filesystem::path launcher = Input("stub.exe", Numbered(5000, 0));
    EXPECT_EQ(
        ErrorOf({{source}}, {.StartFile = "setup.exe", .DiskSize = 4096}, "stub.exe", launcher),
        launcher.string() + ": the launcher does not fit on the first disk");
    const std::filesystem::path missing = directory / "in" / "none.exe";
    EXPECT_EQ(ErrorOf({{source}}, {.StartFile = "setup.exe"}, "none.exe", missing),
              missing.string() + ": no such file");
}

// Two files, or a file and another's piece, that would lie under one name in one directory
// (Windows ignores case).
TEST_F(PackErrorsTest, NameTakenTwiceInOneDirectory) {
    const std::string dll = Input("a.dll", {1}).string();
    const std::string dlx = Input("a.dlx", {2}).string();
    EXPECT_EQ(ErrorOf({{dll}, {dlx}}, {}, dlx),
              dlx + ": its name on the media, a.dl_, is already that of " + dll);

    const std::string upper = Input("B.TXT", {1}).string();
    const std::string lower = Input("b.txt", {2}).string();
    EXPECT_TRUE(Contains(ErrorOf({{upper, "", false}, {lower, "", false}}, {}, lower),
                         "already that of " + upper));

    const std::string split = Input("f.dat", Numbered(5000, 0)).string();
    const std::string piece = Input("f.001", {3}).string();
    EXPECT_TRUE(
        Contains(ErrorOf({{split, "", false}, {piece, "", false}}, {.DiskSize = 4096}, piece),
                 "f.001, is already that of " + split));
}

}  // namespace
}  // namespace aw::testing
