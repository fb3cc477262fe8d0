// The distpack command on real files: packing, adding the entries to an install script, and
// the messages of bad arguments and bad input.
#include "tools/distpack/distpack_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "tools/common/tests/command_test.h"
#include "tools/distpack/tests/packing_fixture.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw::testing {
namespace {

class DistPackCommandTest : public CommandTest<PackingTest> {
  protected:
    DistPackCommandTest() : CommandTest(RunDistPack) {}

    std::string FirstErrorLine() const { return err.str().substr(0, err.str().find('\n')); }
};

TEST_F(DistPackCommandTest, BadArgumentsShowTheProblemAndTheUsage) {
    const std::string file = Input("a.txt", {1}).string();
    const std::string dir = media.string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no files to pack"},
        {{dir}, "no files to pack"},
        {{"--bogus", dir, file}, "unknown option --bogus"},
        {{dir, file, "--name"}, "--name needs a value"},
        {{dir, file, "--name", "x.txt"}, "--name with no file after it"},
        {{"--disk-size", "12Q", dir, file}, "--disk-size: not a size: 12Q"},
        {{"--disk-size", "99999999999999999999", dir, file},
         "--disk-size: not a size: 99999999999999999999"},
        {{"--cluster-size", "0", dir, file}, "--cluster-size must not be 0"},
        {{"--launcher", file, dir, file}, "--launcher needs --volumes"},
        {{"--script", "in.inf"}, "--script needs a value"},
    };
    for (const auto& [args, problem] : cases) {
        EXPECT_EQ(Run(args), 1) << problem;
        EXPECT_EQ(FirstErrorLine(), problem);
        EXPECT_NE(err.str().find("usage: distpack"), std::string::npos);
    }
    EXPECT_TRUE(MediaFiles().empty());
}

TEST_F(DistPackCommandTest, PacksTheFilesAndSaysWhatItDid) {
    const std::string f1 = Input("f1.dat", Numbered(1000, 0)).string();
    const std::string f2 = Input("f2.dat", Numbered(5000, 1)).string();
    const std::string f3 = Input("f3.dat", Numbered(100, 2)).string();
    ASSERT_EQ(Run({"--folders", "--disk-size", "4K", "--cluster-size", "512", media.string(),
                   "--stored", f1, f2, f3}),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "3 files, 6100 bytes stored in 6100 on 2 disks\n");
    EXPECT_EQ(MediaFiles(), (std::set<std::string>{"disk001/f1.dat", "disk001/f2.dat",
                                                   "disk002/f2.001", "disk002/f3.dat"}));
}

TEST_F(DistPackCommandTest, BadInputNamesTheFile) {
    const std::string missing = (directory / "in" / "missing.txt").string();
    EXPECT_EQ(Run({media.string(), missing}), 1);
    EXPECT_EQ(err.str(), missing + ": no such file\n");

    const std::string file = Input("a.txt", {1}).string();
    const std::string script = Input("not-a-script.inf", {0x20, 1, 2}).string();
    EXPECT_EQ(Run({"--script", script, (directory / "out.inf").string(), media.string(), file}), 1);
    EXPECT_EQ(err.str(), "Unable to load " + script + "\n");
}

// A script that already has a distribution file and a build style.
InstallScript ScriptWithOneFile() {
    InstallScript script;
    script.Build.Files.AddNew().FileName = "OLD.DAT";
    BuildStyle& style = script.Build.Styles.AddNew();
    style.FileList.AddNew().File = {0, script.Build.Files.At(0)};
    script.Build.CurrentStyle = 0;
    return script;
}

struct Format {
    bool shortInts;
    std::int32_t version;
};

class DistPackScriptTest : public DistPackCommandTest,
                           public ::testing::WithParamInterface<Format> {
  protected:
    void SetUp() override {
        DistPackCommandTest::SetUp();
        ASSERT_TRUE(RegisterEventClasses(registry));
    }
    InstallScript Load(const Bytes& bytes) {
        InstallScript script;
        EXPECT_EQ(ReadScript(bytes, script, registry), ScriptReadResult::Loaded);
        return script;
    }

    FakeReport report;
    EventRegistry registry{report};
};

// The packed files join the script's distribution files after those it had, and a new
// current build style lists them where they lie; the script keeps its width and version.
TEST_P(DistPackScriptTest, AddsTheEntriesAndABuildStyleToTheScript) {
    InstallScript original = ScriptWithOneFile();
    const Bytes originalBytes =
        WriteScript(original, GetParam().shortInts, GetParam().version).value();
    const std::string in = Input("in.inf", originalBytes).string();
    const std::string outPath = (directory / "out.inf").string();
    const std::string f1 = Input("f1.dat", Numbered(1000, 0)).string();
    const std::string f2 = Input("f2.dat", Numbered(5000, 1)).string();

    ASSERT_EQ(
        Run({"--volumes", "setup.exe", "--disk-size", "4096", "--script", in, outPath,
             media.string(), "--aux", f1, "--no-aux", "--stored", "--name", "second.dat", f2}),
        0)
        << err.str();

    std::ifstream file(outPath, std::ios::binary);
    const Bytes written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(written.size(), originalBytes.size());
    EXPECT_EQ(written[0], originalBytes[0]);
    EXPECT_EQ(written[1], originalBytes[1]);
    EXPECT_EQ(written[2], originalBytes[2]);

    InstallScript script = Load(written);
    const InstallScript before = Load(originalBytes);
    const BuildSet& build = script.Build;
    ASSERT_EQ(build.Files.Size(), before.Build.Files.Size() + 2);
    ASSERT_EQ(build.Styles.Size(), before.Build.Styles.Size() + 1);
    EXPECT_EQ(build.Files.At(0)->FileName, before.Build.Files.At(0)->FileName);
    EXPECT_EQ(build.CurrentStyle, static_cast<std::int32_t>(before.Build.Styles.Size()));

    const DistributionFile& first = *build.Files.At(1);
    EXPECT_EQ((std::vector<std::int32_t>{first.AuxiliaryFile, first.Compressed, first.FirstSize}),
              (std::vector<std::int32_t>{1, 1, 1000}));
    EXPECT_EQ(first.FileName, "f1.dat");
    EXPECT_EQ(first.Source, f1);
    const DistributionFile& second = *build.Files.At(2);
    EXPECT_EQ((std::vector<std::int32_t>{second.AuxiliaryFile, second.Compressed, second.FirstSize,
                                         second.SecondSize}),
              (std::vector<std::int32_t>{0, 0, 5000, 5000}));
    EXPECT_EQ(second.FileName, "second.dat");

    const BuildStyle& style = *build.Current();
    EXPECT_EQ(style.DiskMapValue, 1) << "the files lie in volumes";
    ASSERT_EQ(style.FileList.Size(), 2u);
    const FileListEntry& placed = *style.FileList.At(1);
    EXPECT_EQ(placed.File.Target, &second);
    EXPECT_EQ(placed.First, 0);
    EXPECT_EQ(placed.Second, 2);
    EXPECT_EQ(placed.Value, first.SecondSize);
    EXPECT_NE(placed.Stamp.wYear, 0);
    ASSERT_EQ(style.Files.Files.size(), 2u);
    EXPECT_EQ(style.Files.Files[0].Position, 1);
    EXPECT_EQ(Media("setup.exe").size(), 4096u);
}

INSTANTIATE_TEST_SUITE_P(Formats, DistPackScriptTest,
                         ::testing::Values(Format{false, 302}, Format{true, 301}),
                         [](const auto& info) {
                             return std::string(info.param.shortInts ? "Short" : "Wide") +
                                    std::to_string(info.param.version);
                         });

}  // namespace
}  // namespace aw::testing
