// Groups and items through the shell connection, fonts and OLE servers: what each operation asks
// of the shell and what it logs.
#include <gtest/gtest.h>

#include "installer/controller/installer.h"
#include "installer/controller/tests/fakes/copy_world.h"
#include "installer/oplog/record_sink.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

using Calls = std::vector<std::string>;

class InstallerShellTest : public testing::InstallerWorldTest {
  protected:
    testing::FakeShellState& shell = system.shellState;
};

ProgramItem Item(const std::string& name, const std::string& commandLine) {
    ProgramItem item;
    item.Name = name;
    item.CommandLine = commandLine;
    return item;
}

TEST_F(InstallerShellTest, TheShellIsProgramManagerWhenItAnswersAndOpensOnceForTheRun) {
    ASSERT_TRUE(installer.ConnectShell());
    ASSERT_TRUE(installer.CreateGroup("LineWink"));
    ASSERT_TRUE(installer.CreateGroup("Tools"));
    installer.DisconnectShell(true);
    EXPECT_EQ(shell.Calls,
              (Calls{"pm open 0", "create group LineWink", "create group Tools", "pm close 0"}));
}

TEST_F(InstallerShellTest, OnTheWindows95FamilyTheShortcutsComeBeforeStartingProgramManager) {
    shell.ProgramManagerAnswers = false;
    ASSERT_TRUE(installer.CreateGroup("LineWink"));
    shell.LinksOpen = false;
    ASSERT_TRUE(installer.ConnectShell());
    installer.DisconnectShell(true);
    shell.ProgramManagerStarts = false;
    EXPECT_FALSE(installer.CreateGroup("Tools"));
    EXPECT_EQ(shell.Calls, (Calls{"pm open 0", "links open 0", "create group LineWink",
                                  "links close 0", "pm open 0", "links open 0", "pm open 1",
                                  "pm close 1", "pm open 0", "links open 0", "pm open 1"}));
    EXPECT_EQ(report.Errors, (std::vector<std::string>{"Unable to connect to PM"}));
}

TEST(ShellConnectionTest, OtherPlatformsNeverTryTheShortcutsAndProgramManagerStaysOpenUnasked) {
    testing::FakeShellState state;
    state.ProgramManagerAnswers = false;
    testing::FakeShellFactory factory(state);
    ShellConnection connection(factory, kWindowsNt);
    ASSERT_TRUE(connection.Begin());
    ASSERT_TRUE(connection.Begin());
    connection.End(true);
    EXPECT_EQ(connection.Nesting(), 1);
    connection.End(false);
    EXPECT_EQ(state.Calls, (Calls{"pm open 0", "pm open 1", "pm close 0"}));
}

TEST_F(InstallerShellTest, CreatingAnExistingItemLogsItsOldRecordBeforeTheNewItem) {
    ProgramItem old = Item("LineWink", "C:\\OLD\\LW.EXE");
    old.X = 7;
    old.HotKey = 0x0341;
    shell.Groups["LineWink"] = {old};
    ItemRequest request{Item("LineWink", "C:\\LW\\LW.EXE 2"), "LineWink", false};
    ASSERT_TRUE(installer.CreateItem(request));

    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{
                                  logrec::ItemDeleted{"LineWink", PackProgramItem(old)},
                                  logrec::ItemCreated{"LineWink", "LineWink"},
                              }));
    ASSERT_EQ(shell.Groups["LineWink"].size(), 1u);
    EXPECT_EQ(shell.Groups["LineWink"][0].CommandLine, "C:\\LW\\LW.EXE 2");
    EXPECT_EQ(shell.Calls,
              (Calls{"pm open 0", "show group LineWink 9", "delete item LineWink/LineWink",
                     "add item LineWink/LineWink", "pm close 0"}));
}

TEST_F(InstallerShellTest, ANewGroupIsLoggedAndTheItemKeepsItsDirectoryAndMinimiseFlag) {
    ProgramItem item = Item("Monitor", "C:\\LW\\LW.EXE");
    item.WorkingDirectory = "C:\\LW";
    item.RunMinimised = 1;
    ASSERT_TRUE(installer.CreateItem({item, "Modem", false}));

    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::GroupCreated{"Modem"},
                                                       logrec::ItemCreated{"Modem", "Monitor"}}));
    ASSERT_EQ(shell.Groups["Modem"].size(), 1u);
    const ProgramItem& kept = shell.Groups["Modem"][0];
    EXPECT_EQ(kept.WorkingDirectory, "C:\\LW");
    EXPECT_EQ(kept.RunMinimised, 1);
    EXPECT_EQ(kept.X, 40);  // where the shell placed it
    EXPECT_EQ(shell.Calls, (Calls{"pm open 0", "create group Modem", "show group Modem 9",
                                  "add item Modem/Monitor", "delete item Modem/Monitor",
                                  "add full item Modem/Monitor", "pm close 0"}));
}

TEST_F(InstallerShellTest, AFullRecordIsAddedAsItIs) {
    shell.Groups["G"];
    ProgramItem item = Item("Old", "OLD.EXE");
    item.HotKey = 5;
    ASSERT_TRUE(installer.CreateItem({item, "G", true}));
    EXPECT_EQ(shell.Groups["G"], std::vector<ProgramItem>{item});
}

TEST_F(InstallerShellTest, AShellThatCannotListItemsStillGetsItemsAddedAndDeleted) {
    shell.ListsItems = false;
    shell.Groups["G"] = {Item("A", "A.EXE")};
    ASSERT_TRUE(installer.CreateItem({Item("B", "B.EXE"), "G", false}));
    ASSERT_TRUE(installer.DeleteItem("G", "A"));
    ASSERT_TRUE(installer.DeleteItem("G", "Missing"));
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{
                                  logrec::ItemCreated{"G", "B"},
                                  logrec::ItemDeleted{"G", PackProgramItem(Item("A", ""))},
                              }));
}

TEST_F(InstallerShellTest, DeletingAGroupLogsEachItemThenTheGroupAndAMissingOneIsGone) {
    shell.Groups["G"] = {Item("A", "A.EXE"), Item("B", "B.EXE /x")};
    ASSERT_TRUE(installer.DeleteGroup("G"));
    ASSERT_TRUE(installer.DeleteGroup("G"));
    ASSERT_TRUE(installer.DeleteItem("G", "A"));
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{
                                  logrec::ItemDeleted{"G", PackProgramItem(Item("A", "A.EXE"))},
                                  logrec::ItemDeleted{"G", PackProgramItem(Item("B", "B.EXE /x"))},
                                  logrec::GroupDeleted{"G"},
                              }));
}

TEST_F(InstallerShellTest, RefusedCommandsNameTheGroupOrItemAndLeaveNoRecord) {
    shell.Groups["G"] = {Item("A", "A.EXE")};
    shell.FailCalls = {"show group G 9", "create group H", "delete group G"};
    EXPECT_FALSE(installer.CreateItem({Item("B", "B.EXE"), "G", false}));
    EXPECT_FALSE(installer.DeleteItem("G", "A"));
    EXPECT_FALSE(installer.CreateItem({Item("B", "B.EXE"), "H", false}));
    EXPECT_FALSE(installer.DeleteGroup("G"));
    shell.FailCalls = {"add item G/B", "delete item G/A"};
    EXPECT_FALSE(installer.CreateItem({Item("B", "B.EXE"), "G", false}));
    EXPECT_FALSE(installer.DeleteItem("G", "A"));
    EXPECT_EQ(report.Errors, (std::vector<std::string>{
                                 "Unable to show group G", "Unable to show group G",
                                 "Unable to create group H", "Unable to delete group G",
                                 "Unable to create PM item B", "Unable to delete PM item A"}));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerShellTest, TheItemEventSendsQuotedPathsInTheirShortForm) {
    system.shortPaths.Forms = {
        {"C:\\Program Files\\LineWink\\lw.exe", "C:\\PROGRA~1\\LINEWI~1\\LW.EXE"},
        {"C:\\My Logs", "C:\\MYLOGS~1"}};
    shell.Groups["G"];
    ItemRequest request{Item("LW", "\"C:\\Program Files\\LineWink\\lw.exe\" -log \"C:\\My Logs\""),
                        "G", false};
    ASSERT_TRUE(installer.CreateItemFromEvent(request));
    EXPECT_EQ(shell.Groups["G"][0].CommandLine, "C:\\PROGRA~1\\LINEWI~1\\LW.EXE -log C:\\MYLOGS~1");
}

TEST(ShortPathsTest, QuotesStayWhereNoShortFormWithoutBlanksIsKnown) {
    testing::FakeShortPaths paths;
    paths.Forms = {{"C:\\a b", "C:\\AB~1"}};
    EXPECT_EQ(ShortenQuotedPaths("\"C:\\new dir\\x.exe\" \"C:\\a b\"", paths),
              "\"C:\\new dir\\x.exe\" C:\\AB~1");
    EXPECT_EQ(ShortenQuotedPaths("x.exe \"C:\\a b", paths), "x.exe \"C:\\a b");
    EXPECT_EQ(ShortenQuotedPaths("\"plain\"", paths), "plain");
}

TEST_F(InstallerShellTest, AnInstalledFontIsAnnouncedAndLogged) {
    ASSERT_TRUE(installer.InstallFont("C:\\WINDOWS\\FONTS\\LW.TTF"));
    EXPECT_EQ(system.fonts.Announcements, 1);
    EXPECT_EQ(log.Payloads(),
              (std::vector<LogPayload>{logrec::FontInstalled{"C:\\WINDOWS\\FONTS\\LW.TTF"}}));
    system.fonts.Fail = true;
    EXPECT_FALSE(installer.InstallFont("X.TTF"));
    EXPECT_EQ(report.Errors, (std::vector<std::string>{"Unable to install font"}));
    EXPECT_EQ(system.fonts.Announcements, 1);
}

TEST_F(InstallerShellTest, ProgramsRegisterThroughTheirCommandLineAndLibrariesThroughTheEntry) {
    ASSERT_TRUE(installer.RegisterOleServer("C:\\LW\\SERVER.EXE"));
    ASSERT_TRUE(installer.RegisterOleServer("C:\\LW\\server.dll"));
    EXPECT_EQ(system.servers.Started, (std::vector<std::string>{"C:\\LW\\SERVER.EXE /reg"}));
    EXPECT_EQ(system.servers.Registered, (std::vector<std::string>{"C:\\LW\\server.dll"}));
    system.servers.Fail = true;
    installer.SetSilent(true);
    EXPECT_FALSE(installer.RegisterOleServer("C:\\LW\\x.ocx"));
    EXPECT_TRUE(report.Errors.empty());
    EXPECT_EQ(installer.LastError(), "Unable to register OLE2 server C:\\LW\\x.ocx");
    EXPECT_TRUE(log.Records.empty());
}

}  // namespace
}  // namespace aw
