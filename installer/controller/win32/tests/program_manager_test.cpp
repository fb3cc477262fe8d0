// The Program Manager client against the DDE server of Wine's desktop, which keeps its groups as
// folders of the Start menu. That server answers "GROUPS" but refuses a group's own request,
// takes the whole first AddItem argument as the program's path, and fails on an AddItem with
// empty arguments; these tests keep to what it does.
#include <windows.h>

#include <gtest/gtest.h>

#include "installer/controller/shell/program_manager_client.h"
#include "installer/controller/text_case.h"
#include "installer/controller/win32/dde_raw.h"
#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/controller/win32/tests/shell_test_support.h"

namespace aw {
namespace {

const char kGroup[] = "Aw DDE Test";

// Passes everything on to the real conversation and keeps the command texts sent.
class RecordingChannel : public DdeChannel {
  public:
    RecordingChannel(std::unique_ptr<DdeChannel> inner, std::vector<std::string>& sent)
        : inner_(std::move(inner)), sent_(sent) {}
    bool Connect(bool mayStart) override { return inner_->Connect(mayStart); }
    void Disconnect(bool closeProgramManager) override { inner_->Disconnect(closeProgramManager); }
    bool Execute(const std::string& command) override {
        sent_.push_back(command);
        return inner_->Execute(command);
    }
    std::optional<std::string> Request(const std::string& item) override {
        return inner_->Request(item);
    }

  private:
    std::unique_ptr<DdeChannel> inner_;
    std::vector<std::string>& sent_;
};

class RecordingProgramManager : public ShellFactory {
  public:
    std::unique_ptr<ShellInterface> NewProgramManagerClient() override {
        return std::make_unique<ProgramManagerClient>(
            std::make_unique<RecordingChannel>(std::make_unique<DdeRawChannel>(os_), Sent), paths_);
    }
    std::unique_ptr<ShellInterface> NewShellLinkWriter() override { return nullptr; }

    std::vector<std::string> Sent;

  private:
    OsRecord os_ = ReadOsRecord();
    Win32ShortPaths paths_;
};

// Wine's desktop takes up Program Manager's conversation a little after it starts, which on a
// busy machine may be seconds after the first window of a test asked for the desktop; until then
// the installer would take the shortcut writer instead. Each try broadcasts ten times; the tries
// go on for up to 30 seconds.
bool ProgramManagerAnswers(const OsRecord& os) {
    const DWORD start = GetTickCount();
    for (;;) {
        DdeRawChannel channel(os);
        if (channel.Connect(false)) {
            channel.Disconnect(false);
            return true;
        }
        if (GetTickCount() - start > 30000) {
            return false;
        }
    }
}

class ProgramManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(programs.empty());
        ASSERT_TRUE(ProgramManagerAnswers(real.os));
        testing::RemoveDirectoryAndFiles(group);
    }
    void TearDown() override {
        testing::CloseFolderWindows();
        testing::RemoveDirectoryAndFiles(group);
    }

    static ProgramItem Item(const std::string& name, const std::string& program) {
        ProgramItem item;
        item.Name = name;
        item.CommandLine = program;
        item.IconFile = program;
        return item;
    }

    std::optional<ShellLink> Link(const std::string& name) {
        Win32LinkStore store;
        return store.Open() ? store.ReadLink(group + "\\" + name + ".lnk") : std::nullopt;
    }

    const std::string programs = testing::ProgramsFolder();
    const std::string group = programs + "\\" + kGroup;
    RecordingProgramManager shells;
    testing::Win32InstallerRig rig{&shells};
    SystemServices& real = rig.system.Services();
    testing::FakeReport& report = rig.report;
    Installer& installer = rig.installer;
    MemoryLog& log = rig.log;
};

TEST_F(ProgramManagerTest, AGroupAndAnItemAreCreatedAndTheGroupIsListed) {
    ASSERT_TRUE(installer.ConnectShell());
    ASSERT_TRUE(
        installer.CreateItem({Item("Note Pad", "C:\\windows\\notepad.exe"), kGroup, false}));
    installer.DisconnectShell(false);

    EXPECT_EQ(log.Records.size(), 2u);
    EXPECT_EQ(log.Records[0].Payload, LogPayload(logrec::GroupCreated{kGroup}));
    EXPECT_EQ(log.Records[1].Payload, LogPayload(logrec::ItemCreated{kGroup, "Note Pad"}));
    const std::optional<ShellLink> link = Link("Note Pad");
    ASSERT_TRUE(link);
    EXPECT_TRUE(EqualIgnoringCase(link->Path, "C:\\windows\\notepad.exe")) << link->Path;

    DdeRawChannel channel(real.os);
    ASSERT_TRUE(channel.Connect(false));
    const std::optional<std::string> groups = channel.Request("GROUPS");
    ASSERT_TRUE(groups);
    EXPECT_NE(groups->find(kGroup), std::string::npos) << *groups;
    // Wine's server refuses the group's own request: its items cannot be read back.
    EXPECT_EQ(channel.Request(kGroup), std::nullopt);
    channel.Disconnect(false);
}

TEST_F(ProgramManagerTest, ShowGroupNeverGoesOutWithNineAndOtherShowCommandsDo) {
    ASSERT_TRUE(installer.CreateItem({Item("Pad", "C:\\windows\\notepad.exe"), kGroup, false}));
    ProgramManagerClient client(std::make_unique<DdeRawChannel>(real.os), real.shortPaths);
    ASSERT_TRUE(client.Open(false));
    EXPECT_TRUE(client.ShowGroup(kGroup, 1));
    client.Close(false);

    const std::string created = "[CreateGroup(\"" + std::string(kGroup) + "\")]";
    EXPECT_EQ(shells.Sent, (std::vector<std::string>{created, created,
                                                     "[AddItem(C:\\windows\\notepad.exe, \"Pad\", "
                                                     "C:\\windows\\notepad.exe, 0)]"}));
}

TEST_F(ProgramManagerTest, AFullRecordCarriesItsDirectoryAndHotKey) {
    ASSERT_TRUE(installer.CreateGroup(kGroup));
    ProgramItem item = Item("Full", "C:\\windows\\notepad.exe");
    item.WorkingDirectory = "C:\\windows";
    item.HotKey = 0x0341;
    ASSERT_TRUE(installer.CreateItem({item, kGroup, true}));
    const std::optional<ShellLink> link = Link("Full");
    ASSERT_TRUE(link);
    EXPECT_TRUE(EqualIgnoringCase(link->WorkingDirectory, "C:\\windows"));
    EXPECT_EQ(link->HotKey, 0x0341);
    EXPECT_EQ(shells.Sent.back(),
              "[AddItem(C:\\windows\\notepad.exe, \"Full\", C:\\windows\\notepad.exe, 0, 0, 0, "
              "C:\\windows, 833, 0)]");
}

TEST_F(ProgramManagerTest, RecreatingAnItemReplacesItWhereTheOldRecordCannotBeRead) {
    ASSERT_TRUE(installer.CreateItem({Item("Pad", "C:\\windows\\notepad.exe"), kGroup, false}));
    log.Records.clear();
    ASSERT_TRUE(installer.CreateItem({Item("Pad", "C:\\windows\\regedit.exe"), kGroup, false}));
    EXPECT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload, LogPayload(logrec::ItemCreated{kGroup, "Pad"}));
    const std::optional<ShellLink> link = Link("Pad");
    ASSERT_TRUE(link);
    EXPECT_TRUE(EndsWithIgnoringCase(link->Path, "regedit.exe")) << link->Path;
}

TEST_F(ProgramManagerTest, ItemsAndGroupsAreDeletedAndLogged) {
    ASSERT_TRUE(installer.CreateItem({Item("Pad", "C:\\windows\\notepad.exe"), kGroup, false}));
    log.Records.clear();
    ASSERT_TRUE(installer.DeleteItem(kGroup, "Pad"));
    EXPECT_FALSE(Link("Pad"));
    ASSERT_TRUE(installer.DeleteItem(kGroup, "Pad"));
    ASSERT_TRUE(installer.DeleteGroup(kGroup));
    EXPECT_EQ(GetFileAttributesA(group.c_str()), INVALID_FILE_ATTRIBUTES);

    ProgramItem old;
    old.Name = "Pad";
    EXPECT_EQ(log.Records.size(), 2u);
    EXPECT_EQ(log.Records[0].Payload,
              LogPayload(logrec::ItemDeleted{kGroup, PackProgramItem(old)}));
    EXPECT_EQ(log.Records.back().Payload, LogPayload(logrec::GroupDeleted{kGroup}));
    EXPECT_TRUE(report.Errors.empty());
}

}  // namespace
}  // namespace aw
