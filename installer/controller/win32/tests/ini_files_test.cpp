// The INI engine on real files: every operation checked against the file's exact bytes, the
// temporary files gone afterwards, and "system.ini" of the Windows directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/controller/win32/tests/test_files.h"

namespace aw {
namespace {

using testing::ReadText;
using testing::WriteText;

std::string WindowsDirectory() {
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return directory;
}

class IniFilesTest : public ::testing::Test, protected testing::Win32InstallerRig {
  protected:
    void SetUp() override {
        char temporary[MAX_PATH];
        GetTempPathA(sizeof temporary, temporary);
        directory = std::string(temporary) + "AwIniTest";
        testing::RemoveDirectoryAndFiles(directory);
        CreateDirectoryA(directory.c_str(), nullptr);
        path = directory + "\\app.ini";
    }
    void TearDown() override { testing::RemoveDirectoryAndFiles(directory); }

    std::string directory;
    std::string path;
};

const char kStart[] =
    "; LineWink settings\r\n"
    "[Main]\r\n"
    "  Port = 2 \r\n"
    "\r\n"
    "[Devices]\n"
    "device=a.vxd\n"
    "DEVICE = b.vxd\n"
    "; the end";

TEST_F(IniFilesTest, EveryOperationLeavesExactlyTheExpectedBytes) {
    struct Step {
        const char* What;
        std::function<bool(Installer&, const std::string&)> Run;
        const char* Expected;
    };
    const Step steps[] = {
        {"insert before the first",
         [](Installer& i, const std::string& f) {
             return i.InsertIniEntry(f, "devices", "Device", "first.vxd", 0);
         },
         "; LineWink settings\r\n[Main]\r\n  Port = 2 \r\n\r\n[Devices]\n"
         "Device=first.vxd\r\ndevice=a.vxd\nDEVICE = b.vxd\n; the end"},
        {"insert beyond the last",
         [](Installer& i, const std::string& f) {
             return i.InsertIniEntry(f, "Devices", "device", "last.vxd", 1000);
         },
         "; LineWink settings\r\n[Main]\r\n  Port = 2 \r\n\r\n[Devices]\n"
         "Device=first.vxd\r\ndevice=a.vxd\nDEVICE = b.vxd\ndevice=last.vxd\r\n; the end"},
        {"set the second occurrence",
         [](Installer& i, const std::string& f) {
             return i.SetIniEntry(f, "DEVICES", "device", "new.vxd", 1);
         },
         "; LineWink settings\r\n[Main]\r\n  Port = 2 \r\n\r\n[Devices]\n"
         "Device=first.vxd\r\ndevice=new.vxd\nDEVICE = b.vxd\ndevice=last.vxd\r\n; the end"},
        {"delete the third occurrence",
         [](Installer& i, const std::string& f) {
             return i.DeleteIniEntry(f, "Devices", "device", 2);
         },
         "; LineWink settings\r\n[Main]\r\n  Port = 2 \r\n\r\n[Devices]\n"
         "Device=first.vxd\r\ndevice=new.vxd\ndevice=last.vxd\r\n; the end"},
        {"add a section",
         [](Installer& i, const std::string& f) { return i.AddIniSection(f, "Added"); },
         "; LineWink settings\r\n[Main]\r\n  Port = 2 \r\n\r\n[Devices]\n"
         "Device=first.vxd\r\ndevice=new.vxd\ndevice=last.vxd\r\n; the end\r\n[Added]\r\n"},
        {"delete a section",
         [](Installer& i, const std::string& f) { return i.DeleteIniSection(f, "main"); },
         "; LineWink settings\r\n[Devices]\n"
         "Device=first.vxd\r\ndevice=new.vxd\ndevice=last.vxd\r\n; the end\r\n[Added]\r\n"},
        {"set a missing entry",
         [](Installer& i, const std::string& f) {
             return i.SetIniEntry(f, "Added", "Port", "3", 0);
         },
         "; LineWink settings\r\n[Devices]\n"
         "Device=first.vxd\r\ndevice=new.vxd\ndevice=last.vxd\r\n; the end\r\n[Added]\r\n"
         "Port=3\r\n"},
    };
    WriteText(path, kStart);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.What);
        ASSERT_TRUE(step.Run(installer, path));
        EXPECT_EQ(ReadText(path), step.Expected);
        EXPECT_EQ(FileNamesIn(directory), std::vector<std::string>{"app.ini"});
    }
    EXPECT_TRUE(report.Errors.empty());
}

TEST_F(IniFilesTest, ANewFileIsCreatedWithItsSectionAndLogged) {
    ASSERT_TRUE(installer.InsertIniEntry(path, "Main", "Port", "2", 0));
    EXPECT_EQ(ReadText(path), "[Main]\r\nPort=2\r\n");
    ASSERT_EQ(log.Records.size(), 3u);
    EXPECT_EQ(log.Records[0].Payload, LogPayload(logrec::FileCreated{path}));
}

TEST_F(IniFilesTest, InsertingAValueThatIsPresentWithTheSkipFlagLeavesTheFileAlone) {
    WriteText(path, kStart);
    IniRequest request{1000, 1, 0, 1, "Devices", "device", "B.VXD", path};
    ASSERT_TRUE(installer.WriteIni(request));
    EXPECT_EQ(ReadText(path), kStart);
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(IniFilesTest, AFileThatCannotBeReplacedStaysAsItWasAndNoTemporaryFileIsLeft) {
    WriteText(path, kStart);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(installer.InsertIniEntry(path, "Main", "x", "1", 0));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadText(path), kStart);
    EXPECT_EQ(FileNamesIn(directory), std::vector<std::string>{"app.ini"});
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to insert INI entry x"});
    EXPECT_TRUE(log.Records.empty());
}

class SystemIniTest : public IniFilesTest {
  protected:
    void SetUp() override {
        IniFilesTest::SetUp();
        systemIni = WindowsDirectory() + "\\system.ini";
        saved = ReadText(systemIni);
        existed = GetFileAttributesA(systemIni.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void TearDown() override {
        if (existed) {
            WriteText(systemIni, saved);
        } else {
            DeleteFileA(systemIni.c_str());
        }
        IniFilesTest::TearDown();
    }

    std::string systemIni;
    std::string saved;
    bool existed = false;
};

TEST_F(SystemIniTest, ASecondEntryOfANameIsOccurrenceOneAndMarksTheSystemIniChanged) {
    WriteText(systemIni, "[boot]\r\nshell=Explorer.exe\r\n[386Enh]\r\ndevice=*vpicd\r\n");
    IniRequest request{1000, 1, 0, 1, "386Enh", "device", "lnwink95.vxd", systemIni};
    ASSERT_TRUE(installer.WriteIni(request));
    EXPECT_EQ(
        ReadText(systemIni),
        "[boot]\r\nshell=Explorer.exe\r\n[386Enh]\r\ndevice=*vpicd\r\ndevice=lnwink95.vxd\r\n");
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload,
              LogPayload(logrec::IniEntryAdded{systemIni, "386Enh", "device", 1}));
    EXPECT_TRUE(installer.SystemIniChanged());
}

TEST_F(SystemIniTest, AnotherFileOfThatNameIsNotTheSystemIni) {
    const std::string elsewhere = directory + "\\system.ini";
    IniRequest request{1000, 0, 1, 1, "386Enh", "device", "x", elsewhere};
    ASSERT_TRUE(installer.WriteIni(request));
    EXPECT_FALSE(installer.SystemIniChanged());
}

}  // namespace
}  // namespace aw
