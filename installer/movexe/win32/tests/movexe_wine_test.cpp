// movexe as the engine starts it: from another process that holds the file, with movexe.ini in
// the real Windows directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "installer/controller/win32/tests/test_files.h"
#include "installer/movexe/win32/win32_movexe_system.h"

namespace aw {
namespace {

namespace fs = std::filesystem;
using testing::Exists;
using testing::ProgramDirectory;
using testing::ReadText;
using testing::WaitForFile;
using testing::WriteText;

std::string WindowsFile(const std::string& name) {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory, length) + "\\" + name;
}

// Waits, as for a file another process makes, until `path` is gone.
bool WaitForGone(const std::string& path) {
    for (int waited = 0; Exists(path); ++waited) {
        if (waited == 600) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

class MovexeWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = testing::TestFolder("awmovexe");
        fs::remove_all(root);
        fs::create_directories(root + "\\back");
        fs::create_directories(root + "\\stage");
        engine = root + "\\back\\AWMAIN.EXE";
        CopyFileA((ProgramDirectory() + "\\leave_marker.exe").c_str(), engine.c_str(), FALSE);
    }
    void TearDown() override {
        DeleteFileA(WindowsFile("movexe.ini").c_str());
        fs::remove_all(root);
    }

    void HandOver(const std::string& target, const char* start) {
        WriteText(WindowsFile("movexe.ini"),
                  "[x]\r\nf=" + engine + "\r\nt=" + target + "\r\nx=" + start + "\r\n");
    }

    // Runs the stand-in engine holding `held`; its exit code.
    DWORD RunEngine(const std::string& held, const std::string& how,
                    const std::string& movexeArguments) {
        std::string commandLine = "engine_stand_in.exe \"" + ProgramDirectory() +
                                  "\\movexe.exe\" \"" + held + "\" " + how + " " + movexeArguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        const std::string program = ProgramDirectory() + "\\engine_stand_in.exe";
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            return 99;
        }
        WaitForSingleObject(process.hProcess, 60000);
        DWORD code = 99;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }

    std::string root;
    std::string engine;
};

TEST_F(MovexeWineTest, MovesTheEngineOnceItHasEndedAndStartsItAtItsNewPlace) {
    HandOver(root + "\\stage", "1");
    ASSERT_EQ(RunEngine(engine, "leave", "/S"), 0u);
    const std::string moved = root + "\\stage\\AWMAIN.EXE";
    ASSERT_TRUE(WaitForFile(moved + ".started"));
    EXPECT_NE(ReadText(moved + ".started").find(" /S"), std::string::npos);
    EXPECT_FALSE(Exists(engine));
    EXPECT_FALSE(Exists(WindowsFile("movexe.ini")));
}

TEST_F(MovexeWineTest, RemovesTheEngineAndLeavesItsDirectory) {
    HandOver("", "0");
    ASSERT_EQ(RunEngine(engine, "leave", "/S"), 0u);
    EXPECT_TRUE(WaitForGone(engine));
    EXPECT_TRUE(WaitForGone(WindowsFile("movexe.ini")));
    EXPECT_TRUE(Exists(root + "\\back"));
}

TEST_F(MovexeWineTest, GivesUpWhenTheEngineNeverEndsThoughTheFileIsFree) {
    HandOver("", "1");
    EXPECT_EQ(RunEngine("-", "stay", "/S --wait 1"), 1u);
    EXPECT_TRUE(Exists(engine));
    EXPECT_FALSE(Exists(engine + ".started"));
    EXPECT_FALSE(Exists(WindowsFile("movexe.ini")));
}

TEST_F(MovexeWineTest, ARunningProgramsFileIsInUseUntilItEnds) {
    const std::string running = root + "\\back\\RUNNING.EXE";
    CopyFileA((ProgramDirectory() + "\\hold_file.exe").c_str(), running.c_str(), FALSE);
    const std::string marker = engine + ".held";
    std::string commandLine = "\"" + running + "\" " + engine;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(running.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process));
    ASSERT_TRUE(WaitForFile(marker));
    Win32MovexeSystem system(true);
    EXPECT_EQ(system.CheckFree(running), FileStep::InUse);
    DeleteFileA(marker.c_str());
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(system.CheckFree(running), FileStep::Done);
}

}  // namespace
}  // namespace aw
