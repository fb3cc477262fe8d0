// The launcher on a real medium folder and temporary folder, running a stand-in installer as a
// real process: in-process with the boxes answered by the test, and as the real setup.exe with
// /S.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "installer/controller/win32/tests/test_files.h"
#include "installer/launcher/win32/win32_launcher_system.h"

namespace aw {
namespace {

namespace fs = std::filesystem;
using testing::Exists;
using testing::ProgramDirectory;
using testing::ReadText;
using testing::WriteText;

// What the stand-in installer noted, by key.
std::map<std::string, std::string> Seen(const std::string& medium) {
    std::map<std::string, std::string> seen;
    std::istringstream lines(ReadText(medium + "\\awmain.seen"));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        seen[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return seen;
}

class MediumLauncher : public Win32LauncherSystem {
  public:
    explicit MediumLauncher(std::string medium)
        : Win32LauncherSystem(false), medium_(std::move(medium)) {}
    std::string OwnPath() override { return medium_ + "\\SETUP.EXE"; }
    bool AskRestart(int result) override {
        asked.push_back(result);
        return false;
    }
    void Restart() override { ADD_FAILURE() << "restarted"; }
    void Report(const std::string& message) override { reports.push_back(message); }

    std::vector<int> asked;
    std::vector<std::string> reports;

  private:
    std::string medium_;
};

class LauncherWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = testing::TestFolder("awlaunch");
        medium = root + "\\DISK001";
        fs::remove_all(root);
        fs::create_directories(medium);
        const std::string installer = medium + "\\AWMAIN.EXE";
        CopyFileA((ProgramDirectory() + "\\fake_awmain.exe").c_str(), installer.c_str(), FALSE);
        SetFileAttributesA(installer.c_str(), FILE_ATTRIBUTE_READONLY);
        for (const char* name : {"INSTALL.INF", "LZPUNZ2.DLL", "AWENU.DLL", "DATA.001"}) {
            WriteText(medium + "\\" + name, name);
        }
    }
    void TearDown() override {
        SetFileAttributesA((medium + "\\AWMAIN.EXE").c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(root);
    }

    std::string root;
    std::string medium;
};

TEST_F(LauncherWineTest, RunsTheInstallerInAWorkingCopyThatIsGoneAfterwards) {
    MediumLauncher launcher(medium);
    EXPECT_EQ(RunLauncher(launcher, ParseLauncherArguments(" r=2  \"a b\"")), 2);
    EXPECT_EQ(launcher.asked, std::vector<int>{2});
    EXPECT_TRUE(launcher.reports.empty());
    std::map<std::string, std::string> seen = Seen(medium);
    EXPECT_EQ(seen["p"], medium + "\\SETUP.EXE");
    EXPECT_EQ(seen["cmdl"], "r=2 \"a b\"");
    EXPECT_EQ(seen["u"], "");
    EXPECT_GT(std::stoi(seen["sz"]), 0);
    for (const char* name : {"AWMAIN.EXE", "INSTALL.INF", "LZPUNZ2.DLL", "AWENU.DLL"}) {
        EXPECT_NE(seen["files"].find(name), std::string::npos) << name;
    }
    EXPECT_EQ(seen["files"].find("DATA.001"), std::string::npos);
    EXPECT_NE(seen["folder"].find("\\aws"), std::string::npos);
    EXPECT_FALSE(Exists(seen["folder"]));
}

TEST_F(LauncherWineTest, AnUnusableTemporaryFolderIsReportedAndNothingRuns) {
    char saved[MAX_PATH];
    GetEnvironmentVariableA("TMP", saved, MAX_PATH);
    SetEnvironmentVariableA("TMP", (root + "\\missing").c_str());
    MediumLauncher launcher(medium);
    EXPECT_EQ(RunLauncher(launcher, ParseLauncherArguments("r=0")), 1);
    SetEnvironmentVariableA("TMP", saved);
    ASSERT_EQ(launcher.reports.size(), 1u);
    EXPECT_NE(launcher.reports[0].find("temporary folder"), std::string::npos);
    EXPECT_FALSE(Exists(medium + "\\awmain.seen"));
}

TEST_F(LauncherWineTest, AnInstallerThatRefusesLeavesNoWorkingDirectory) {
    MediumLauncher launcher(medium);
    EXPECT_EQ(RunLauncher(launcher, ParseLauncherArguments("refuse")), 1);
    EXPECT_TRUE(launcher.reports.empty());
    EXPECT_FALSE(Exists(Seen(medium)["folder"]));
}

// Runs the medium's setup.exe with `arguments` and standard error in a file; its exit code.
DWORD RunSetup(const std::string& medium, const std::string& arguments, std::string& errors) {
    const std::string errorFile = medium + "\\..\\stderr.txt";
    SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
    const HANDLE error = CreateFileA(errorFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = error;
    PROCESS_INFORMATION process{};
    const std::string program = medium + "\\SETUP.EXE";
    std::string commandLine = "\"" + program + "\" " + arguments;
    DWORD code = 99;
    if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 40000);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(error);
    errors = ReadText(errorFile);
    return code;
}

TEST_F(LauncherWineTest, TheUnattendedSetupEndsWithTheResultOrSaysWhyOnStandardError) {
    CopyFileA((ProgramDirectory() + "\\setup.exe").c_str(), (medium + "\\SETUP.EXE").c_str(),
              FALSE);
    std::string errors;
    EXPECT_EQ(RunSetup(medium, "/S r=4 -x", errors), 4u);
    std::map<std::string, std::string> seen = Seen(medium);
    EXPECT_EQ(seen["cmdl"], "r=4 -x");
    EXPECT_EQ(seen["u"], "1");
    EXPECT_FALSE(Exists(seen["folder"]));
    EXPECT_EQ(errors, "");

    DeleteFileA((medium + "\\INSTALL.INF").c_str());
    EXPECT_EQ(RunSetup(medium, "/s", errors), 1u);
    EXPECT_NE(errors.find("Setup: This medium cannot be installed from: its install script"),
              std::string::npos)
        << errors;
}

}  // namespace
}  // namespace aw
