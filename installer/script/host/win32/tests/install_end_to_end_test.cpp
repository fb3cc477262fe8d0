// A whole installation as a person starts it: setup.exe on distribution media packed by
// distpack (compressed files in disk folders, split over two disks), awmain running a script of
// our writer, and the machine checked afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "installer/controller/win32/tests/test_files.h"
#include "installer/script/events/custom_events.h"
#include "installer/script/events/dialog_events.h"
#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/events/family_events.h"
#include "installer/script/events/file_events.h"
#include "installer/script/events/program_manager_events.h"
#include "installer/script/events/system_events.h"
#include "installer/script/events/window_events.h"
#include "installer/script/model/install_script.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "tools/distpack/distpack_command.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

using testing::Exists;

constexpr char kProductKey[] = "Software\\ArkwellEndToEnd";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ArkwellEndToEnd";
constexpr char kGroup[] = "Arkwell End To End";

// The shared library goes where shared files are counted.
std::string SharedFile() {
    char path[MAX_PATH] = {};
    GetSystemDirectoryA(path, MAX_PATH);
    return std::string(path) + "\\AWE2ESHR.DLL";
}

std::string WindowsFolder() {
    char path[MAX_PATH] = {};
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

struct RegistryValue {
    DWORD Type = 0;
    std::vector<std::uint8_t> Bytes;
};

std::optional<RegistryValue> ReadValue(HKEY root, const char* key, const std::string& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RegistryValue value;
    value.Bytes.resize(1024);
    DWORD size = static_cast<DWORD>(value.Bytes.size());
    const LONG result =
        RegQueryValueExA(opened, name.c_str(), nullptr, &value.Type, value.Bytes.data(), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.Bytes.resize(size);
    return value;
}

std::string ProgramsFolder() {
    const auto value = ReadValue(HKEY_CURRENT_USER,
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
                                 "Folders",
                                 "Programs");
    return value ? std::string(reinterpret_cast<const char*>(value->Bytes.data())).c_str() : "";
}

template <class Kind>
Kind& Add(InstallScript& script, const std::string& condition = "1") {
    auto event = std::make_unique<Kind>();
    event->Condition = condition;
    return static_cast<Kind&>(script.Events.Add(std::move(event)));
}

InstallFileList Files(std::initializer_list<std::int32_t> positions) {
    InstallFileList list;
    for (const std::int32_t position : positions) {
        list.Files.push_back({position, nullptr});
    }
    return list;
}

class ScriptInstallationTest : public ::testing::Test {
  protected:
    ScriptInstallationTest() {
        root = testing::TestFolder("awe2e");
        target = root + "\\target";
        for (const std::string& folder : {root, root + "\\src", root + "\\media"}) {
            CreateDirectoryA(folder.c_str(), nullptr);
        }
        // Large and varied enough to be split over the two disks even when compressed.
        std::string application;
        unsigned seed = 12345;
        for (int n = 0; n < 90000; ++n) {
            seed = seed * 1103515245u + 12345u;
            application += static_cast<char>(seed >> 24);
        }
        testing::WriteText(root + "\\src\\AWAUX.TXT", "auxiliary");
        testing::WriteText(root + "\\src\\APP.EXE", application);
        testing::WriteText(root + "\\src\\README.TXT", "Read me first.\r\n");
        testing::WriteText(root + "\\src\\AWE2ESHR.DLL", "shared library");
    }
    ~ScriptInstallationTest() override {
        HKEY software = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &software);
        RegDeleteKeyA(software, "ArkwellEndToEnd");
        RegCloseKey(software);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
        HKEY shared = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", 0,
                          KEY_ALL_ACCESS, &shared) == ERROR_SUCCESS) {
            RegDeleteValueA(shared, SharedFile().c_str());
            RegCloseKey(shared);
        }
        DeleteFileA((WindowsFolder() + "\\AWAUX.TXT").c_str());
        DeleteFileA(SharedFile().c_str());
        DeleteFileA((WindowsFolder() + "\\movexe.ini").c_str());
        testing::RunAndWait("cmd.exe /c rmdir /s /q \"" + root + "\"", 120000);
        testing::RunAndWait("cmd.exe /c rmdir /s /q \"" + ProgramsFolder() + "\\" + kGroup + "\"",
                            120000);
    }

    // The script: the welcome at position 2 and the component choice at position 4, answered by
    // their defaults in an unattended run; every file event belongs to the one component.
    void Pack(bool cancelAtTheEnd) {
        InstallScript script;
        script.Info.ProductName = "Arkwell End To End";
        script.Languages.First = 3;
        script.Languages.Flags.assign(20, 1);
        auto& folder = Add<SetText>(script);
        folder.Variable = "i";
        folder.Value = target;
        Add<GetSystemDir>(script).Variable = "w";
        Add<CustomStep>(script);
        Add<MakeDir>(script).Path = "$i";
        Add<CustomStep>(script);
        Add<BeginProgress>(script);
        auto& files = Add<InstallFiles>(script);
        files.ComponentBound = 1;
        files.Files = Files({1, 2});
        files.DestinationDirectory = "$i";
        files.WildcardSpec = "+*.*";
        auto& shared = Add<InstallFiles>(script);
        shared.ComponentBound = 1;
        shared.Shared = 1;
        shared.Files = Files({3});
        shared.DestinationDirectory = "$w";
        shared.WildcardSpec = "+*.*";
        Add<EndProgress>(script);
        auto& text = Add<WriteRegistry>(script);
        text.Root = 1;
        text.Key = kProductKey;
        text.ValueName = "Path";
        text.Value = "$i";
        auto& number = Add<WriteRegistry>(script);
        number = text;
        number.ValueType = 2;
        number.ValueName = "Count";
        number.Value = "40+2";
        auto& binary = Add<WriteRegistry>(script);
        binary = text;
        binary.ValueType = 3;
        binary.ValueName = "Data";
        binary.Value = "0a,ff,00";
        auto& ini = Add<WriteIni>(script);
        ini.File = "$i\\app.ini";
        ini.Section = "Settings";
        ini.Entry = "Folder";
        ini.Value = "$i";
        auto& item = Add<CreateItem>(script);
        item.Group = kGroup;
        item.Item = "Application";
        item.CommandLine = "$i\\APP.EXE";
        // Wine's desktop, the Program Manager here, fails on an item with empty arguments (no
        // icon, or a folder without a position before it).
        item.IconFile = "$i\\APP.EXE";
        auto& uninstaller = Add<InstallUninstaller>(script);
        uninstaller.AuxiliaryFiles = Files({0});
        uninstaller.BackDirectory = "$i\\uninst";
        if (cancelAtTheEnd) {
            auto& cancel = Add<SetCompletion>(script);
            cancel.Kind = 4;
            cancel.EndNow = 1;
        }
        auto& component = script.Components.AddNew();
        component.Leaf = 1;
        component.First = 1;
        component.Name = "Program";
        component.FirstValue = "100";
        component.SecondValue = "0";
        component.Events = {{6, nullptr}, {7, nullptr}};

        const auto base = WriteScript(script, false, 302);
        ASSERT_TRUE(base);
        testing::WriteText(root + "\\base.inf", std::string(base->begin(), base->end()));
        const std::string src = root + "\\src\\";
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(
            RunDistPack({"--folders", "--disk-size", "60K", root + "\\media", "--script",
                         root + "\\base.inf", root + "\\packed.inf", "--aux", src + "AWAUX.TXT",
                         "--no-aux", src + "APP.EXE", src + "README.TXT", src + "AWE2ESHR.DLL"},
                        out, err),
            0)
            << err.str();
        disk = root + "\\media\\disk001";
        ASSERT_TRUE(Exists(root + "\\media\\disk002"));
        // The build style that distpack added hands the custom events to the host's handler.
        const std::string packed = testing::ReadText(root + "\\packed.inf");
        InstallScript final;
        EventRegistry registry(report);
        ASSERT_TRUE(RegisterEventClasses(registry));
        ASSERT_EQ(ReadScript(std::span(reinterpret_cast<const std::uint8_t*>(packed.data()),
                                       packed.size()),
                             final, registry),
                  ScriptReadResult::Loaded);
        final.Build.Current()->CustomHandler = 1;
        const auto bytes = WriteScript(final, false, 302);
        ASSERT_TRUE(bytes);
        testing::WriteText(disk + "\\install.inf", std::string(bytes->begin(), bytes->end()));
        for (const char* file : {"setup.exe", "awmain.exe", "awenu.dll", "lzpunz2.dll"}) {
            ASSERT_TRUE(CopyFileA((testing::ProgramDirectory() + "\\" + file).c_str(),
                                  (disk + "\\" + file).c_str(), FALSE))
                << file;
        }
    }

    void ExpectInstalled() {
        EXPECT_TRUE(testing::ReadText(target + "\\APP.EXE") ==
                    testing::ReadText(root + "\\src\\APP.EXE"));
        EXPECT_EQ(testing::ReadText(target + "\\README.TXT"), "Read me first.\r\n");
        EXPECT_EQ(testing::ReadText(SharedFile()), "shared library");
        const auto path = ReadValue(HKEY_CURRENT_USER, kProductKey, "Path");
        ASSERT_TRUE(path);
        EXPECT_EQ(path->Type, static_cast<DWORD>(REG_SZ));
        EXPECT_STREQ(reinterpret_cast<const char*>(path->Bytes.data()), target.c_str());
        const auto count = ReadValue(HKEY_CURRENT_USER, kProductKey, "Count");
        ASSERT_TRUE(count);
        EXPECT_EQ(count->Type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(count->Bytes, (std::vector<std::uint8_t>{42, 0, 0, 0}));
        const auto data = ReadValue(HKEY_CURRENT_USER, kProductKey, "Data");
        ASSERT_TRUE(data);
        EXPECT_EQ(data->Type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(data->Bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x00}));
        const auto counted =
            ReadValue(HKEY_LOCAL_MACHINE,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", SharedFile());
        ASSERT_TRUE(counted);
        EXPECT_EQ(counted->Bytes.at(0), 1);
        char folder[MAX_PATH] = {};
        GetPrivateProfileStringA("Settings", "Folder", "", folder, sizeof folder,
                                 (target + "\\app.ini").c_str());
        EXPECT_EQ(std::string(folder), target);
        EXPECT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"));
        EXPECT_TRUE(Exists(target + "\\uninst\\awmain.exe"));
        EXPECT_TRUE(Exists(WindowsFolder() + "\\AWAUX.TXT"));
        EXPECT_TRUE(Exists(ProgramsFolder() + "\\" + kGroup + "\\Application.lnk"));
    }

    std::string root;
    std::string target;
    std::string disk;
    testing::FakeReport report;
};

TEST_F(ScriptInstallationTest, AnUnattendedInstallationPutsEverythingInPlace) {
    Pack(false);
    EXPECT_EQ(testing::RunAndWait("\"" + disk + "\\setup.exe\" /S", 120000), 0);
    ExpectInstalled();
    EXPECT_TRUE(Exists(target + "\\uninst\\awlog3.000"));
}

TEST_F(ScriptInstallationTest, AnInstallationCancelledAfterTheUninstallerHandsItOver) {
    Pack(true);
    EXPECT_EQ(testing::RunAndWait("\"" + disk + "\\setup.exe\" /S", 120000), 6);
    EXPECT_TRUE(Exists(target + "\\uninst\\awlog3.000"));
    EXPECT_TRUE(Exists(WindowsFolder() + "\\movexe.ini"));
}

}  // namespace
}  // namespace aw
