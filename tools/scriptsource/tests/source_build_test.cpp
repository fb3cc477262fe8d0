// What a source builds: the script in its canonical form, the media in the packaging asked
// for, and the programs beside the script.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/common/file_bytes.h"
#include "tools/scriptdump/script_json.h"
#include "tools/scriptsource/file_groups.h"
#include "tools/scriptsource/scriptsource_command.h"
#include "tools/scriptsource/tests/source_fixture.h"

namespace aw::testing {
namespace {

const std::filesystem::path kGolden = SCRIPTSOURCE_TEST_DIR "/golden";

class SourceBuildTest : public SourceTest {
  protected:
    nlohmann::ordered_json Dump(const std::string& script) {
        const ScriptDump dump = DumpScriptFile(Output(script), registry);
        EXPECT_EQ(dump.Error, "");
        return dump.Json;
    }
};

TEST_F(SourceBuildTest, TheScriptDumpsToItsCanonicalForm) {
    ASSERT_EQ(BuildFile(kGolden / "tiny_source.json"), "");
    std::ifstream expected(kGolden / "tiny_dump.json");
    EXPECT_EQ(Dump("install.inf"), nlohmann::ordered_json::parse(expected));
}

TEST_F(SourceBuildTest, TheDumpBuildsBackIntoTheSameBytes) {
    ASSERT_EQ(BuildFile(kGolden / "tiny_source.json"), "");
    const std::vector<std::uint8_t> script = Output("install.inf");
    const ScriptBuild rebuilt = BuildScriptFile(Dump("install.inf"), registry);
    EXPECT_EQ(rebuilt.Error, "");
    EXPECT_EQ(rebuilt.Bytes, script);
}

TEST_F(SourceBuildTest, SingleSourceHoldsEverythingInOneFolder) {
    ASSERT_EQ(BuildFile(kGolden / "tiny_source.json"), "");
    EXPECT_EQ(OutputFiles(),
              (std::set<std::string>{"TINY.EX_", "awdeu.dll", "awenu.dll", "awmain.exe",
                                     "install.inf", "lzpunz2.dll", "movexe.exe", "setup.exe"}));
    EXPECT_EQ(Output("setup.exe"), ReadFileBytes(programs / "setup.exe"));
}

// The script and the programs take their room on the first disk; the files fill the rest.
TEST_F(SourceBuildTest, DiskFoldersKeepRoomForTheInstallerOnTheFirstDisk) {
    Program("LineWink.exe", 20000);
    ASSERT_EQ(Build(R"({"product": "Split",
        "packaging": {"diskFolders": true, "diskSize": 16384, "compressed": false},
        "files": [{"id": "p", "folder": "{programs}", "pattern": "LineWink.exe"}]})"),
              "");
    std::uint64_t firstDisk = 0;
    for (const std::string& file : OutputFiles()) {
        if (file.starts_with("disk001/")) {
            firstDisk += (Output(file).size() + 511) / 512 * 512;
        }
    }
    EXPECT_EQ(firstDisk, 16384u);
    EXPECT_TRUE(OutputFiles().contains("disk001/install.inf"));
    EXPECT_TRUE(OutputFiles().contains("disk002/LineWink.001"));
}

TEST_F(SourceBuildTest, VolumesBeginWithTheLauncher) {
    ASSERT_EQ(Build(R"({"product": "Vol", "packaging": {"volumes": true},
        "files": [{"id": "p", "folder": "{programs}", "pattern": "*.exe"}]})"),
              "");
    const std::vector<std::uint8_t> launcher = *ReadFileBytes(programs / "setup.exe");
    const std::vector<std::uint8_t> volume = Output("setup.exe");
    ASSERT_GT(volume.size(), launcher.size());
    EXPECT_TRUE(std::equal(launcher.begin(), launcher.end(), volume.begin()));
    EXPECT_EQ(Dump("install.inf")["BuildSet"]["BLDINFO"][0]["diskMapValue"], 1);
}

TEST(ScriptSourceCommandTest, AnswersHelpAndRefusesUnknownOptions) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunScriptSource({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("usage: scriptsource"), std::string::npos);
    EXPECT_EQ(RunScriptSource({"--disk", "a.json", "out"}, out, err), 1);
    EXPECT_NE(err.str().find("unknown option --disk"), std::string::npos);
}

TEST(NameMatchesTest, StarsAndQuestionMarksIgnoringCase) {
    EXPECT_TRUE(NameMatches("*.wav", "CONNECT.WAV"));
    EXPECT_TRUE(NameMatches("a?c*", "abcdef"));
    EXPECT_TRUE(NameMatches("*a*b*", "xxaxxbxx"));
    EXPECT_FALSE(NameMatches("*.wav", "connect.wave"));
    EXPECT_FALSE(NameMatches("a?c", "ac"));
}

}  // namespace
}  // namespace aw::testing
