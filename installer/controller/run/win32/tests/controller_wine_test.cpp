// The install controller on the real system: drive types as Wine reports them, the language
// from WIN.INI, boxes answered as a person would, a queued replacement, and an aborted run
// whose log is archived and whose rollback is handed to movexe.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "installer/controller/run/tests/controller_rig.h"
#include "installer/controller/run/win32/tests/box_answerer.h"
#include "installer/controller/run/win32/win32_controller_system.h"
#include "installer/controller/win32/tests/test_files.h"
#include "installer/controller/win32/win32_system_changes.h"

namespace aw::test {
namespace {

using aw::testing::TestHost;
using aw::testing::TestScript;
using Strings = std::vector<std::string>;

// The engine as if it lay in its own working folder.
class PlacedMachine : public Win32Machine {
  public:
    std::string Program;
    std::string ProgramPath() override { return Program; }
};

// Drive R: is removable under Wine, but its folder lies on a disk with room to spare: it is
// given the free space of a diskette.
class DisketteFiles : public Win32FileSystem {
  public:
    std::optional<DiskFigures> FreeSpace(const std::string& root) override {
        if (root == "R:\\") {
            return DiskFigures{1, 512, 100, 2847};
        }
        return Win32FileSystem::FreeSpace(root);
    }
};

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string full = path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

std::string WindowsFile(const char* name) {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

std::string Profile(const std::string& file, const char* key) {
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("x", key, "<none>", value, MAX_PATH, file.c_str());
    return value;
}

class ControllerWineTest : public ::testing::Test {
  protected:
    ControllerWineTest() {
        root = testing::TestFolder("awctrl");
        own = root + "\\work";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA(own.c_str(), nullptr);
        for (const char* library : {"awenu.dll", "aweng.dll"}) {
            CopyFileA((testing::ProgramDirectory() + "\\" + library).c_str(),
                      (own + "\\" + library).c_str(), FALSE);
        }
        WriteText(own + "\\awmain.exe", "engine");
        machine.Program = own + "\\awmain.exe";
        Setting("p", "C:\\SETUP.EXE");
        Setting("sz", "100");
    }
    ~ControllerWineTest() override { RemoveTree(root); }

    void Setting(const char* key, const std::string& value) {
        WritePrivateProfileStringA("x", key, value.c_str(), (own + "\\awmain.ini").c_str());
    }

    std::string root;
    std::string own;
    DisketteFiles files;
    Win32VersionLibrary versions;
    Win32DecompressionLibrary decompression;
    Win32SystemServices services{ReadOsRecord()};
    Win32LogFiles logFiles;
    PlacedMachine machine;
    Win32ControllerWindows windows{GetModuleHandleA(nullptr)};
    ControllerSystem system{files,    versions, decompression, services.Services(),
                            logFiles, machine,  windows};
    TestScript script;
    TestHost host{system, script};
};

TEST_F(ControllerWineTest, DiskFoldersOnAFixedDriveButNotOnARemovableOne) {
    EXPECT_EQ(machine.DriveTypeOf("C:\\"), DriveType::Fixed);
    EXPECT_EQ(machine.DriveTypeOf("R:\\"), DriveType::Removable);
    Setting("p", root + "\\DISK001\\setup.exe");
    ASSERT_TRUE(host.Initialise());
    EXPECT_EQ(host.PackagingKind(), Packaging::DiskFolders);

    BoxAnswerer answerer({IDOK});
    Setting("p", "R:\\dist\\DISK001\\setup.exe");
    EXPECT_FALSE(host.Initialise());
    Setting("p", "R:\\SETUP.EXE");
    ASSERT_TRUE(host.Initialise());
    EXPECT_EQ(host.PackagingKind(), Packaging::DiskSet);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].Text, "Invalid packaging-media combination");
    EXPECT_EQ(answerer.Seen()[0].Caption, "Error");
}

TEST_F(ControllerWineTest, ACancelledDiskAnsweredNoIsAskedForAgain) {
    Setting("p", "R:\\SETUP.EXE");
    ASSERT_TRUE(host.Initialise());
    BoxAnswerer answerer({IDCANCEL, IDNO, IDOK});
    EXPECT_TRUE(host.PromptForDisk(1, false));
    EXPECT_EQ(answerer.Texts(),
              (Strings{"Please insert disk: Disk 2",
                       "Installation is incomplete\nAre you sure you want to abort the "
                       "installation?",
                       "Please insert disk: Disk 2"}));
    EXPECT_EQ(answerer.Seen()[0].Caption, "Insert Disk");
}

TEST_F(ControllerWineTest, ErrorsAreFormattedAndShownPlainWithoutALanguageLibrary) {
    BoxAnswerer answerer({IDOK, IDOK, IDOK, IDOK});
    host.ReportFormatted("%d files on %s", 3, "disk 2");
    host.ReportFormatted("%s", std::string(700, 'x').c_str());
    ASSERT_TRUE(windows.LoadLanguage(own + "\\awenu.dll"));
    host.ReportFormatted("No argument at %d", 4);
    windows.FreeLanguage();
    const std::vector<SeenBox> seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].Text, "3 files on disk 2");
    EXPECT_EQ(seen[0].Caption, "Error");
    EXPECT_EQ(seen[1].Text, std::string(512, 'x'));
    EXPECT_EQ(seen[2].Text, "No argument at 4");
    EXPECT_EQ(seen[2].Caption, "Setup Error");
}

TEST_F(ControllerWineTest, TheLanguageComesFromWinIni) {
    char saved[32] = {};
    GetProfileStringA("Intl", "sLanguage", "", saved, sizeof saved);
    WriteProfileStringA("Intl", "sLanguage", "ENA");
    std::int32_t language = -1;
    std::string insertDisk;
    script.Events = [&](InstallController& controller) {
        language = controller.LanguageIndex();
        insertDisk = host.Text(0x4A);
        return 0;
    };
    ASSERT_TRUE(host.Initialise());
    EXPECT_EQ(host.Run(), 0);
    WriteProfileStringA("Intl", "sLanguage", saved[0] != '\0' ? saved : nullptr);
    EXPECT_EQ(language, 2);
    EXPECT_EQ(insertDisk, "Please insert disk: %s");
    EXPECT_FALSE(windows.LanguageLoaded());
}

TEST_F(ControllerWineTest, AQueuedReplacementNeedsARestartEvenAfterStayHere) {
    const std::string busy = root + "\\busy.dll";
    WriteText(busy, "old");
    WriteText(root + "\\new.dll", "new");
    const std::string wininit = WindowsFile("wininit.ini");
    const bool hadWininit = GetFileAttributesA(wininit.c_str()) != INVALID_FILE_ATTRIBUTES;
    HANDLE held = CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    script.Events = [&](InstallController& controller) {
        FileRequest request;
        request.SourceKind = 1;
        request.InUsePolicy = 1;
        request.SourcePath = root + "\\new.dll";
        request.DestinationPath = busy;
        EXPECT_TRUE(controller.InstallFile(request));
        CompletionRequest completion{0, 0, 1, 0, false};
        controller.SetCompletion(completion);
        return controller.CompletionStatus();
    };
    BoxAnswerer answerer({IDCANCEL});
    ASSERT_TRUE(host.Initialise());
    EXPECT_EQ(host.Run(), 2);
    CloseHandle(held);
    testing::ForgetPendingMoves();
    if (!hadWininit) {
        DeleteFileA(wininit.c_str());
    }
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].Buttons, (Strings{"&Restart", "&Stay here"}));
    EXPECT_EQ(answerer.Seen()[0].Caption, "Installation Completed");
}

TEST_F(ControllerWineTest, AnAbortAfterTheUninstallerArchivesTheLogAndHandsOverToMovexe) {
    const std::string back = root + "\\uninst";
    CreateDirectoryA(back.c_str(), nullptr);
    WriteText(back + "\\awlog3.000", "an earlier installation");
    script.Product = "Wine Test Product";
    script.Events = [&](InstallController& controller) {
        UninstallerRequest request;
        request.BackDirectory = back;
        EXPECT_TRUE(controller.InstallUninstaller(request));
        EXPECT_TRUE(controller.MakeDirectory(root + "\\data"));
        return 1;
    };
    ASSERT_TRUE(host.Initialise());
    EXPECT_EQ(host.Run(), 6);
    host.WriteResult(6);
    EXPECT_EQ(Profile(own + "\\awmain.ini", "r"), "6");
    EXPECT_NE(GetFileAttributesA((back + "\\awlog3.001").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((back + "\\awenu.dll").c_str()), INVALID_FILE_ATTRIBUTES);
    const std::string movexe = WindowsFile("movexe.ini");
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA((back + "\\awmain.exe").c_str(), shortPath, MAX_PATH);
    EXPECT_EQ(Profile(movexe, "f"), shortPath);
    EXPECT_EQ(Profile(movexe, "t"), "");
    EXPECT_EQ(Profile(movexe, "x"), "1");
    DeleteFileA(movexe.c_str());
    HKEY uninstall = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", &uninstall),
              ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(uninstall, "WineTestProduct"), ERROR_SUCCESS);
    RegCloseKey(uninstall);
}

}  // namespace
}  // namespace aw::test
