#include <gtest/gtest.h>

#include <map>

#include "installer/launcher/awmain_ini.h"
#include "installer/launcher/launcher_arguments.h"
#include "installer/launcher/launcher_run.h"

namespace aw {
namespace {

// A medium folder and a temporary folder as maps of files; the installer writes its result.
class FakeLauncherSystem : public LauncherSystem {
  public:
    std::string OwnPath() override { return "D:\\DISK001\\SETUP.EXE"; }
    std::optional<std::vector<FolderFile>> ListFolder(const std::string& folder) override {
        EXPECT_EQ(folder, "D:\\DISK001");
        return medium;
    }
    std::optional<std::string> MakeWorkingDirectory() override {
        if (!temporaryUsable) {
            return std::nullopt;
        }
        workingDirectoryMade = true;
        return "C:\\TEMP\\AW1";
    }
    bool CopyFileTo(const std::string& from, const std::string& to) override {
        if (copiesLeft-- == 0) {
            return false;
        }
        files[to] = from;
        return true;
    }
    bool WriteNewFile(const std::string& path, const std::string& text) override {
        files[path] = text;
        return iniWritable;
    }
    std::optional<std::string> ReadText(const std::string& path) override {
        return files.contains(path) ? std::optional(files[path]) : std::nullopt;
    }
    std::optional<std::uint32_t> RunAndWait(const std::string& program) override {
        ran = program;
        if (!installerStarts) {
            return std::nullopt;
        }
        files["C:\\TEMP\\AW1\\awmain.ini"] += installerWrites;
        return installerExitCode;
    }
    bool RemoveTree(const std::string& directory) override {
        EXPECT_EQ(directory, "C:\\TEMP\\AW1");
        workingDirectoryMade = false;
        return true;
    }
    bool AskRestart(int result) override {
        asked.push_back(result);
        return restartAnswer;
    }
    void Restart() override { restarted = true; }
    void Report(const std::string& message) override { reports.push_back(message); }

    std::vector<FolderFile> medium = {{"AWMAIN.EXE", 300000}, {"INSTALL.INF", 2000},
                                      {"LZPUNZ2.DLL", 20000}, {"AWENU.DLL", 40000},
                                      {"AWMAIN.DLL", 1},      {"DATA.001", 1400000}};
    bool temporaryUsable = true;
    int copiesLeft = 100;
    bool iniWritable = true;
    bool installerStarts = true;
    std::string installerWrites = "r=0\r\n";
    std::uint32_t installerExitCode = 0;
    bool restartAnswer = false;

    std::map<std::string, std::string> files;
    bool workingDirectoryMade = false;
    std::string ran;
    std::vector<int> asked;
    bool restarted = false;
    std::vector<std::string> reports;
};

LauncherArguments Arguments(const char* tail) {
    return ParseLauncherArguments(tail);
}

TEST(LauncherTest, RunsTheInstallerInAWorkingCopyAndEndsWithItsResult) {
    FakeLauncherSystem system;
    system.installerWrites = "r=6\r\n";
    EXPECT_EQ(RunLauncher(system, Arguments("/x  \"a b\" /s")), 6);
    EXPECT_EQ(system.ran, "C:\\TEMP\\AW1\\awmain.exe");
    EXPECT_EQ(system.files["C:\\TEMP\\AW1\\AWMAIN.EXE"], "D:\\DISK001\\AWMAIN.EXE");
    EXPECT_TRUE(system.files.contains("C:\\TEMP\\AW1\\INSTALL.INF"));
    EXPECT_TRUE(system.files.contains("C:\\TEMP\\AW1\\LZPUNZ2.DLL"));
    EXPECT_TRUE(system.files.contains("C:\\TEMP\\AW1\\AWENU.DLL"));
    EXPECT_FALSE(system.files.contains("C:\\TEMP\\AW1\\AWMAIN.DLL"));
    EXPECT_FALSE(system.files.contains("C:\\TEMP\\AW1\\DATA.001"));
    EXPECT_EQ(system.files["C:\\TEMP\\AW1\\awmain.ini"],
              "[x]\r\np=D:\\DISK001\\SETUP.EXE\r\ncmdl=/x \"a b\"\r\nsz=354\r\nu=1\r\nr=6\r\n");
    EXPECT_FALSE(system.workingDirectoryMade);
    EXPECT_TRUE(system.reports.empty());
}

TEST(LauncherTest, OffersTheRestartThatTheResultAsksForUnlessNobodyWatches) {
    FakeLauncherSystem yes;
    yes.installerWrites = "r=2\r\n";
    yes.restartAnswer = true;
    EXPECT_EQ(RunLauncher(yes, Arguments("")), 2);
    EXPECT_EQ(yes.asked, std::vector<int>{2});
    EXPECT_TRUE(yes.restarted);

    FakeLauncherSystem no;
    no.installerWrites = "r=4\r\n";
    EXPECT_EQ(RunLauncher(no, Arguments("")), 4);
    EXPECT_EQ(no.asked, std::vector<int>{4});
    EXPECT_FALSE(no.restarted);

    FakeLauncherSystem unattended;
    unattended.installerWrites = "r=2\r\n";
    EXPECT_EQ(RunLauncher(unattended, Arguments("/S")), 2);
    EXPECT_TRUE(unattended.asked.empty());
    EXPECT_FALSE(unattended.files["C:\\TEMP\\AW1\\awmain.ini"].find("u=1") == std::string::npos);
}

TEST(LauncherTest, AMediumItCannotUseEndsWithOneAndLeavesNoWorkingDirectory) {
    struct Case {
        const char* Name;
        void (*Spoil)(FakeLauncherSystem&);
        const char* Message;
    };
    const std::vector<Case> cases = {
        {"no installer", [](FakeLauncherSystem& s) { s.medium.erase(s.medium.begin()); },
         "awmain.exe is missing"},
        {"no script", [](FakeLauncherSystem& s) { s.medium.erase(s.medium.begin() + 1); },
         "install.inf or setup.inf"},
        {"no temporary folder", [](FakeLauncherSystem& s) { s.temporaryUsable = false; },
         "Unable to make a working folder"},
        {"full after two files", [](FakeLauncherSystem& s) { s.copiesLeft = 2; },
         "Unable to copy LZPUNZ2.DLL"},
        {"full at the ini", [](FakeLauncherSystem& s) { s.iniWritable = false; },
         "Unable to write C:\\TEMP\\AW1\\awmain.ini"},
        {"installer does not start", [](FakeLauncherSystem& s) { s.installerStarts = false; },
         "Unable to start C:\\TEMP\\AW1\\awmain.exe"},
        {"installer crashed",
         [](FakeLauncherSystem& s) {
             s.installerWrites = "";
             s.installerExitCode = 0xC0000005;
         },
         "without a known result (exit code 3221225477)"},
        {"unknown result", [](FakeLauncherSystem& s) { s.installerWrites = "r=3\r\n"; },
         "without a known result"},
    };
    for (const Case& c : cases) {
        FakeLauncherSystem system;
        c.Spoil(system);
        EXPECT_EQ(RunLauncher(system, Arguments("")), 1) << c.Name;
        EXPECT_FALSE(system.workingDirectoryMade) << c.Name;
        ASSERT_EQ(system.reports.size(), 1u) << c.Name;
        EXPECT_NE(system.reports[0].find(c.Message), std::string::npos) << system.reports[0];
    }
}

TEST(LauncherTest, AnInstallerThatRefusedItsRunHasSaidWhyItself) {
    FakeLauncherSystem system;
    system.installerWrites = "";
    system.installerExitCode = 1;
    EXPECT_EQ(RunLauncher(system, Arguments("")), 1);
    EXPECT_TRUE(system.reports.empty());
}

TEST(LauncherTest, TheCommandLineLosesTheProgramNameAndTheUnattendedSwitchOnly) {
    EXPECT_EQ(CommandTail("\"D:\\my disk\\setup.exe\" /S a"), " /S a");
    EXPECT_EQ(CommandTail("D:\\setup.exe"), "");
    const LauncherArguments parsed = Arguments("  -lang=deu\t/S  \"C:\\a  b\" /Sx ");
    EXPECT_TRUE(parsed.Unattended);
    EXPECT_EQ(parsed.ArgumentLine, "-lang=deu \"C:\\a  b\" /Sx");
    EXPECT_TRUE(Arguments("--help").Help);
    EXPECT_EQ(Arguments(std::string(511, 'a').c_str()).Problem, "");
    EXPECT_NE(Arguments(std::string(512, 'a').c_str()).Problem, "");
}

TEST(LauncherTest, TheResultIsReadAsTheInstallerWritesIt) {
    EXPECT_EQ(ReadResult("[x]\r\np=D:\\S.EXE\r\nr = 4\r\n"), 4);
    EXPECT_EQ(ReadResult("[X]\nR=0"), 0);
    EXPECT_EQ(ReadResult("[x]\r\nr=\r\n"), std::nullopt);
    EXPECT_EQ(ReadResult("[x]\r\nr=2x\r\n"), std::nullopt);
    EXPECT_EQ(ReadResult("[y]\r\nr=2\r\n"), std::nullopt);
}

TEST(LauncherTest, TheSizeFigureIsNeverZero) {
    EXPECT_EQ(SizeFigure({}), 1u);
    EXPECT_EQ(SizeFigure({{"A", 1024}, {"B", 1}}), 2u);
}

TEST(LauncherTest, SetupInfAloneServesAsTheScript) {
    const MediumFiles chosen =
        ChooseMediumFiles({{"awmain.exe", 1}, {"Setup.Inf", 1}, {"awdeu.hlp", 1}});
    EXPECT_EQ(chosen.Problem, "");
    EXPECT_EQ(chosen.Files.size(), 3u);
}

}  // namespace
}  // namespace aw
