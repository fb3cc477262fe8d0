// What no operation deletes, however a script spells it: drive roots, the Windows and system
// directories, groups outside the Programs folder; and names that cannot be sent safely.
#include <gtest/gtest.h>

#include "installer/controller/shell/shell_names.h"
#include "installer/controller/tests/fakes/copy_world.h"

namespace aw {
namespace {

class DeletionSafetyTest : public testing::InstallerWorldTest {
  protected:
    void SetUp() override {
        world.files.AddFile("C:\\AUTOEXEC.BAT", "rem");
        world.files.AddFile("C:\\WINDOWS\\WIN.INI", "[windows]");
        world.files.AddFile("C:\\WINDOWS\\SYSTEM\\USER.EXE", "MZ");
    }
};

TEST_F(DeletionSafetyTest, RootsAndTheSystemsDirectoriesAreNeverDeletedOrMoved) {
    for (const char* path : {"C:\\", "C:", "C:\\WINDOWS\\..", "C:\\WINDOWS", "c:\\windows\\",
                             "C:\\WINDOWS\\SYSTEM\\.", "C:\\APP\\..\\WINDOWS\\SYSTEM"}) {
        installer.Remove(path);
        EXPECT_FALSE(installer.RemoveTree(path)) << path;
        EXPECT_FALSE(installer.RemoveFile(path)) << path;
        EXPECT_FALSE(installer.RenameFile(path, "C:\\ELSEWHERE")) << path;
        EXPECT_EQ(report.Errors.back(), std::string("Unable to delete file ") + path);
    }
    EXPECT_TRUE(world.files.Has("C:\\AUTOEXEC.BAT"));
    EXPECT_TRUE(world.files.Has("C:\\WINDOWS\\WIN.INI"));
    EXPECT_TRUE(world.files.Has("C:\\WINDOWS\\SYSTEM\\USER.EXE"));
    EXPECT_TRUE(log.Records.empty());
    EXPECT_TRUE(installer.RemoveFile("C:\\WINDOWS\\WIN.INI"));
}

TEST(ShellNamesTest, GroupsStayBelowTheProgramsFolderAndNamesInsideTheirQuotes) {
    EXPECT_TRUE(SafeGroupName("Line Wink"));
    EXPECT_TRUE(SafeGroupName("Accessories\\Games"));
    for (const char* group : {"", ".", "..", "..\\..\\WINDOWS", "A\\..\\..", "\\WINDOWS", "C:\\X",
                              "A\\\\B", "A\\", "x\")][DeleteGroup(\"Main", "Tab\tName"}) {
        EXPECT_FALSE(SafeGroupName(group)) << group;
    }
    EXPECT_TRUE(SafeItemName("Read Me"));
    for (const char* name : {"", "..", "..\\WIN", "A/B", "C:X", "Say \"hi\""}) {
        EXPECT_FALSE(SafeItemName(name)) << name;
    }
}

TEST_F(DeletionSafetyTest, UnsafeGroupAndItemNamesAreRefusedWithAMessageBeforeTheShellIsAsked) {
    testing::FakeShellState& shell = system.shellState;
    shell.Groups["Main"] = {};
    EXPECT_FALSE(installer.DeleteGroup(""));
    EXPECT_EQ(report.Errors.back(), "Unable to delete group ");
    EXPECT_FALSE(installer.DeleteGroup(".."));
    EXPECT_FALSE(installer.CreateGroup("x\")][DeleteGroup(\"Main"));
    EXPECT_EQ(report.Errors.back(), "Unable to create group x\")][DeleteGroup(\"Main");
    ItemRequest request;
    request.Group = "Tools";
    request.Item.Name = "x\")][DeleteGroup(\"Main";
    EXPECT_FALSE(installer.CreateItem(request));
    EXPECT_EQ(report.Errors.back(), "Unable to create PM item x\")][DeleteGroup(\"Main");
    EXPECT_FALSE(installer.DeleteItem("Main", "..\\..\\x"));
    EXPECT_TRUE(shell.Calls.empty());
    EXPECT_TRUE(shell.Groups.count("Main"));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(DeletionSafetyTest, AGroupThatKeepsSomeItemsAfterAFailedDeleteLogsThoseItGaveUp) {
    testing::FakeShellState& shell = system.shellState;
    ProgramItem first;
    first.Name = "One";
    ProgramItem second;
    second.Name = "Two";
    shell.Groups["G"] = {first, second};
    shell.FailCalls.insert("delete group G");
    shell.OnFailedCall = [&] { shell.Groups["G"] = {second}; };
    EXPECT_FALSE(installer.DeleteGroup("G"));
    EXPECT_EQ(report.Errors.back(), "Unable to delete group G");
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Kind(), LogKind::ItemDeleted);
    EXPECT_EQ(UnpackProgramItem(std::get<logrec::ItemDeleted>(log.Records[0].Payload).Item).Name,
              "One");
}

}  // namespace
}  // namespace aw
