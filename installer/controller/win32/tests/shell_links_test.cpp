// The shortcut writer on real shortcut files, read back through the shell's own link object.
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>

#include "installer/controller/shell/shell_link_writer.h"
#include "installer/controller/text_case.h"
#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/controller/win32/tests/shell_test_support.h"

namespace aw {
namespace {

const char kGroup[] = "Aw Link Test";

// What a shortcut file holds, read with the link object directly.
struct StoredLink {
    std::string Path;
    std::string Arguments;
    std::string WorkingDirectory;
    WORD HotKey = 0;
};

// Wine's link object saves the show command but reads every file back as 1, so it is taken from
// the file's header, where it is the little-endian number at offset 0x3C.
int StoredShowCommand(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char bytes[0x40] = {};
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    return bytes[0x3C] | bytes[0x3D] << 8 | bytes[0x3E] << 16 | bytes[0x3F] << 24;
}

std::optional<StoredLink> ReadStoredLink(const std::string& path) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return std::nullopt;
    }
    IPersistFile* file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    std::optional<StoredLink> stored;
    if (file != nullptr && SUCCEEDED(file->Load(wide, STGM_READ))) {
        char text[MAX_PATH] = "";
        stored.emplace();
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        stored->Path = text;
        link->GetArguments(text, MAX_PATH);
        stored->Arguments = text;
        link->GetWorkingDirectory(text, MAX_PATH);
        stored->WorkingDirectory = text;
        link->GetHotkey(&stored->HotKey);
    }
    if (file != nullptr) {
        file->Release();
    }
    link->Release();
    return stored;
}

// Only the shortcut writer: no Program Manager answers.
class LinksOnly : public ShellFactory {
  public:
    std::unique_ptr<ShellInterface> NewProgramManagerClient() override { return nullptr; }
    std::unique_ptr<ShellInterface> NewShellLinkWriter() override {
        return std::make_unique<ShellLinkWriter>(std::make_unique<Win32LinkStore>(), paths_);
    }

  private:
    Win32ShortPaths paths_;
};

class ShellLinksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ASSERT_FALSE(programs.empty());
        RemoveGroup();
    }
    void TearDown() override {
        RemoveGroup();
        CoUninitialize();
    }
    // With the folder one test puts inside it.
    void RemoveGroup() const {
        RemoveDirectoryA((group + "\\Nested").c_str());
        testing::RemoveDirectoryAndFiles(group);
    }

    ProgramItem Notepad(const std::string& name, const std::string& arguments) const {
        ProgramItem item;
        item.Name = name;
        item.CommandLine = "C:\\windows\\notepad.exe " + arguments;
        item.WorkingDirectory = "C:\\windows";
        item.IconFile = "C:\\windows\\notepad.exe";
        return item;
    }

    const std::string programs = testing::ProgramsFolder();
    const std::string group = programs + "\\" + kGroup;
    LinksOnly links;
    testing::Win32InstallerRig rig{&links};
    Installer& installer = rig.installer;
    MemoryLog& log = rig.log;
};

TEST_F(ShellLinksTest, ItemsAreShortcutsWhoseTargetArgumentsAndDirectoryReadBack) {
    ProgramItem item = Notepad("Read Me", "/p  readme.txt");
    item.HotKey = 0x0341;
    item.RunMinimised = 1;
    ASSERT_TRUE(installer.CreateItem({item, kGroup, true}));

    const std::optional<StoredLink> stored = ReadStoredLink(group + "\\Read Me.lnk");
    ASSERT_TRUE(stored);
    EXPECT_TRUE(EqualIgnoringCase(stored->Path, "C:\\windows\\notepad.exe")) << stored->Path;
    EXPECT_EQ(stored->Arguments, "/p  readme.txt");
    EXPECT_TRUE(EqualIgnoringCase(stored->WorkingDirectory, "C:\\windows"));
    EXPECT_EQ(stored->HotKey, 0x0341);
    EXPECT_EQ(StoredShowCommand(group + "\\Read Me.lnk"), SW_SHOWMINNOACTIVE);
    EXPECT_EQ(log.Records.size(), 2u);
}

TEST_F(ShellLinksTest, RecreatingAnItemLogsTheOldRecordBeforeTheNewItem) {
    ASSERT_TRUE(installer.CreateItem({Notepad("Pad", "old.txt"), kGroup, false}));
    log.Records.clear();
    ASSERT_TRUE(installer.CreateItem({Notepad("Pad", "new.txt"), kGroup, false}));

    ASSERT_EQ(log.Records.size(), 2u);
    const auto* deleted = std::get_if<logrec::ItemDeleted>(&log.Records[0].Payload);
    ASSERT_NE(deleted, nullptr);
    const ProgramItem old = UnpackProgramItem(deleted->Item);
    EXPECT_EQ(old.Name, "Pad");
    EXPECT_TRUE(EqualIgnoringCase(old.CommandLine, "C:\\windows\\notepad.exe old.txt"))
        << old.CommandLine;
    EXPECT_EQ(log.Records[1].Payload, LogPayload(logrec::ItemCreated{kGroup, "Pad"}));
    EXPECT_EQ(ReadStoredLink(group + "\\Pad.lnk")->Arguments, "new.txt");
}

TEST_F(ShellLinksTest, DeletingRemovesTheShortcutOrAPifAndTheGroupDirectory) {
    ASSERT_TRUE(installer.CreateItem({Notepad("Pad", ""), kGroup, false}));
    CloseHandle(CreateFileA((group + "\\Old.pif").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(installer.DeleteItem(kGroup, "Pad"));
    EXPECT_EQ(GetFileAttributesA((group + "\\Pad.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(installer.DeleteItem(kGroup, "Old"));
    ASSERT_TRUE(installer.DeleteGroup(kGroup));
    EXPECT_EQ(GetFileAttributesA(group.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_FALSE(log.Records.empty());
    EXPECT_EQ(log.Records.back().Payload, LogPayload(logrec::GroupDeleted{kGroup}));
}

TEST_F(ShellLinksTest, AGroupHoldingMoreThanShortcutsIsLeftWhole) {
    ASSERT_TRUE(installer.CreateItem({Notepad("Pad", ""), kGroup, false}));
    ASSERT_TRUE(CreateDirectoryA((group + "\\Nested").c_str(), nullptr));
    log.Records.clear();
    rig.installer.SetSilent(true);
    EXPECT_FALSE(installer.DeleteGroup(kGroup));
    EXPECT_NE(GetFileAttributesA((group + "\\Pad.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(log.Records.empty());
}

}  // namespace
}  // namespace aw
