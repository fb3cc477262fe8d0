// An installation to take off again, made for real under Wine: a back directory with the
// uninstaller and its language library, archived logs written by the operation log while the
// Installer made the changes they record, and the uninstaller run as a separate process.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/controller/win32/tests/test_files.h"
#include "installer/oplog/operation_log.h"
#include "installer/oplog/uninstall/uninstall_paths.h"
#include "installer/oplog/win32/log_files.h"

namespace aw::testing {

inline constexpr char kTestProduct[] = "Uninst Test";
inline constexpr char kTestUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\UninstTest";
inline constexpr char kTestKey[] = "Software\\AwUninstTest";

// Removes a directory with everything in it.
inline void RemoveAll(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string inner = path + "\\" + name;
            SetFileAttributesA(inner.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveAll(inner);
            } else {
                DeleteFileA(inner.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

inline bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

struct RunOutcome {
    DWORD Exit = 0;
    std::string Errors;
};

class UninstallRig : public ::testing::Test {
  protected:
    void SetUp() override {
        base = "C:\\awu" + std::to_string(GetCurrentProcessId());
        back = base + "\\back";
        product = base + "\\product";
        CreateDirectoryA(base.c_str(), nullptr);
        WriteText(base + "\\source.txt", "product file");
    }
    void TearDown() override {
        RemoveAll(base);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestUninstallKey);
        for (const char* name : {"AWMAIN.EXE", "awlog3.000", "awenu.dll"}) {
            DeleteFileA((std::string("C:\\") + name).c_str());
        }
        WriteProfileStringA(kHandOverSection, nullptr, nullptr);
    }

    // The back directory as the installer leaves it: created (logged), with the program and its
    // language library copied in and the Uninstall key made (not logged).
    static void InstallUninstaller(Installer& installer, const std::string& back) {
        ASSERT_EQ(installer.MakeDirectory(back), kDirectoryReady);
        UnloggedScope unlogged(installer);
        FileSystem& files = installer.Services().files;
        ASSERT_TRUE(files.CopyFileTo(ProgramDirectory() + "\\uninstaller_entry.exe",
                                     back + "\\AWMAIN.EXE"));
        ASSERT_TRUE(files.CopyFileTo(ProgramDirectory() + "\\awenu.dll", back + "\\awenu.dll"));
        ASSERT_TRUE(installer.CreateKey({kLocalMachine, kTestUninstallKey}));
    }

    // Archived log `number` of the back directory, recording what `changes` does.
    void Record(int number, const std::function<void(Installer&)>& changes,
                std::int32_t undoClass = 0, std::int32_t style = 0) {
        Win32InstallerRig rig;
        Win32LogFiles files;
        const std::string working = base + "\\awlog3.nnn";
        {
            OperationLog log(files, rig.installer);
            ASSERT_TRUE(log.Open(working, {style, 3, 0, 0, 100, kTestProduct}));
            rig.installer.SetUndoClass(undoClass);
            changes(rig.installer);
        }
        ASSERT_TRUE(MoveFileA(working.c_str(), ArchivedLogPath(back, number).c_str()));
    }

    // Some of everything a product leaves: a directory with a file, a key with a value, and a
    // duplicate entry in an INI file.
    void ProductChanges(Installer& installer) {
        ASSERT_EQ(installer.MakeDirectory(product), kDirectoryReady);
        ASSERT_TRUE(installer.CopyPlainFile(base + "\\source.txt", product + "\\file.txt"));
        ASSERT_TRUE(installer.SetTextValue({kCurrentUser, kTestKey}, "Value", "1"));
        ASSERT_TRUE(installer.InsertIniEntry(Ini(), "boot", "device", "product.drv", 1));
    }
    bool ProductLeft() {
        return Exists(product) || KeyExists(HKEY_CURRENT_USER, kTestKey) ||
               ReadText(Ini()) != kIniText;
    }
    std::string Ini() const { return base + "\\test.ini"; }
    void WriteIni() { WriteText(Ini(), kIniText); }

    // Runs `program` with `arguments`, its standard error caught, and waits for it.
    RunOutcome Run(const std::string& program, const std::string& arguments) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        const std::string errors = base + "\\stderr.txt";
        HANDLE file = CreateFileA(errors.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = file;
        startup.hStdOutput = file;
        std::string line = "\"" + program + "\" " + arguments;
        PROCESS_INFORMATION process{};
        RunOutcome outcome{9999, {}};
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &process)) {
            WaitForSingleObject(process.hProcess, 50000);
            GetExitCodeProcess(process.hProcess, &outcome.Exit);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        CloseHandle(file);
        outcome.Errors = ReadText(errors);
        return outcome;
    }

    // movexe.exe in the Windows directory, as the installer leaves it there.
    static void InstallMovexe() {
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, MAX_PATH);
        ASSERT_TRUE(CopyFileA((ProgramDirectory() + "\\movexe.exe").c_str(),
                              (std::string(windows) + "\\movexe.exe").c_str(), FALSE));
    }
    static std::string HandOverEntry() {
        char value[MAX_PATH];
        GetProfileStringA(kHandOverSection, kHandOverBackDirectory, "", value, sizeof value);
        return value;
    }
    // Waits up to 30 seconds for another process to remove `path`.
    static bool WaitUntilGone(const std::string& path) {
        const DWORD start = GetTickCount();
        while (Exists(path)) {
            if (GetTickCount() - start > 30000) {
                return false;
            }
            Sleep(50);
        }
        return true;
    }

    static constexpr char kIniText[] = "[boot]\r\ndevice=a.drv\r\ndevice=b.drv\r\n";
    std::string base;
    std::string back;
    std::string product;
};

}  // namespace aw::testing
