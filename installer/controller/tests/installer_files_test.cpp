// The Installer's operations on files and directories: what each change leaves in the log, and
// that a failed one leaves nothing but its message.
#include <gtest/gtest.h>

#include "installer/controller/shared_counts.h"
#include "installer/controller/tests/fakes/copy_world.h"

namespace aw {
namespace {

using InstallerFilesTest = testing::InstallerWorldTest;

TEST_F(InstallerFilesTest, EachCreatedLevelIsLoggedParentFirst) {
    world.files.AddDirectory("C:\\A");
    EXPECT_EQ(installer.MakeDirectory("C:\\A\\B\\C"), kDirectoryReady);
    EXPECT_EQ(installer.MakeDirectory("C:\\A\\B\\C"), kDirectoryReady);
    EXPECT_EQ(installer.MakeDirectory("C:\\"), kDirectoryReady);
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{"C:\\A\\B"},
                                                       logrec::DirCreated{"C:\\A\\B\\C"}}));
}

TEST_F(InstallerFilesTest, ADirectoryThatCannotBeMadeIsReportedAndNotLogged) {
    world.files.AddFile("C:\\A", "a file in the way");
    EXPECT_EQ(installer.MakeDirectory("C:\\A\\B"), kDirectoryFailed);
    EXPECT_EQ(report.Errors, (std::vector<std::string>{"<7F C:\\A>"}));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerFilesTest, DeletingClearsProtectiveAttributesFirst) {
    world.files.AddFile("C:\\F", "x");
    world.files.At("C:\\F").Attributes = kReadOnly | kSystem;
    EXPECT_TRUE(installer.RemoveFile("C:\\F"));
    EXPECT_TRUE(installer.RemoveFile("C:\\F"));  // gone: nothing to do
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::AttrChanged{"C:\\F", 5, 0x80},
                                                       logrec::FileDeleted{"C:\\F"}}));
}

TEST_F(InstallerFilesTest, AFileInUseIsNotDeleted) {
    world.files.AddFile("C:\\F", "x");
    world.files.Lock("C:\\F");
    EXPECT_FALSE(installer.RemoveFile("C:\\F"));
    EXPECT_EQ(report.Errors, (std::vector<std::string>{"Unable to delete file C:\\F"}));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerFilesTest, ATreeGoesInnermostFirstAndTheCurrentDirectoryMovesOut) {
    world.files.AddDirectory("C:\\T");
    world.files.AddDirectory("C:\\T\\S");
    world.files.AddFile("C:\\T\\S\\1", "1");
    world.files.AddFile("C:\\T\\2", "2");
    world.files.Current = "C:\\T";
    EXPECT_TRUE(installer.RemoveTree("C:\\T"));
    EXPECT_FALSE(world.files.Has("C:\\T"));
    EXPECT_EQ(world.files.Current, "C:\\");
    EXPECT_EQ(log.Payloads(),
              (std::vector<LogPayload>{
                  logrec::FileDeleted{"C:\\T\\2"}, logrec::FileDeleted{"C:\\T\\S\\1"},
                  logrec::DirRemoved{"C:\\T\\S"}, logrec::DirRemoved{"C:\\T"}}));
    EXPECT_GE(world.progress.Messages, 3);
}

TEST_F(InstallerFilesTest, TheDeleteServiceTellsDirectoriesFromFiles) {
    world.files.AddDirectory("C:\\T");
    world.files.AddFile("C:\\F", "x");
    installer.Remove("C:\\T");
    installer.Remove("C:\\F");
    EXPECT_EQ(log.Payloads(),
              (std::vector<LogPayload>{logrec::DirRemoved{"C:\\T"}, logrec::FileDeleted{"C:\\F"}}));
}

TEST_F(InstallerFilesTest, RenamingReplacesTheTargetAndMakesItsDirectory) {
    world.files.AddFile("C:\\A", "new");
    world.files.AddDirectory("C:\\D");
    world.files.AddFile("C:\\D\\B", "old");
    EXPECT_TRUE(installer.RenameFile("C:\\A", "c:\\a"));
    EXPECT_TRUE(installer.RenameFile("C:\\A", "C:\\D\\B"));
    EXPECT_TRUE(installer.RenameFile("C:\\D\\B", "C:\\E\\B"));
    EXPECT_EQ(world.files.Text("C:\\E\\B"), "new");
    EXPECT_EQ(log.Payloads(),
              (std::vector<LogPayload>{
                  logrec::FileDeleted{"C:\\D\\B"}, logrec::FileMoved{"C:\\A", "C:\\D\\B"},
                  logrec::DirCreated{"C:\\E"}, logrec::FileMoved{"C:\\D\\B", "C:\\E\\B"}}));
}

TEST_F(InstallerFilesTest, RenamingAMissingFileIsReported) {
    EXPECT_FALSE(installer.RenameFile("C:\\NONE", "C:\\B"));
    EXPECT_EQ(report.Errors, (std::vector<std::string>{"C:\\NONE not found"}));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerFilesTest, AttributesAreLoggedOnlyWhenTheyChange) {
    world.files.AddFile("C:\\F", "x");
    EXPECT_TRUE(installer.SetAttributes("C:\\F", 0x20));
    EXPECT_TRUE(installer.SetAttributes("C:\\F", kHidden));
    EXPECT_FALSE(installer.SetAttributes("C:\\NONE", kHidden));
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::AttrChanged{"C:\\F", 0x20, 2}}));
    EXPECT_EQ(report.Errors,
              (std::vector<std::string>{"Unable to get the file attributes of C:\\NONE"}));
}

TEST_F(InstallerFilesTest, FreeSpaceInUnitsOfTenKib) {
    world.files.Figures = DiskFigures{8, 512, 1000, 5000};  // 400 units
    EXPECT_EQ(installer.FreeSpace("C:\\APP\\X", 400), kEnoughSpace);
    EXPECT_EQ(installer.FreeSpace("C:\\APP\\X", 401), kTooLittleSpace);
    world.files.Figures.reset();
    EXPECT_EQ(installer.FreeSpace("C:\\APP\\X", 1), kFreeSpaceUnknown);
    EXPECT_EQ(report.Errors, (std::vector<std::string>{
                                 "<5B 4010>", "Unable to get the free space of drive C:\\"}));
}

TEST_F(InstallerFilesTest, APlainCopyIsLoggedAsCreated) {
    world.files.AddFile("C:\\A", "text");
    EXPECT_TRUE(installer.CopyPlainFile("C:\\A", "C:\\B\\C"));
    EXPECT_EQ(world.files.Text("C:\\B\\C"), "text");
    EXPECT_EQ(log.Payloads(), (std::vector<LogPayload>{logrec::DirCreated{"C:\\B"},
                                                       logrec::FileCreated{"C:\\B\\C"}}));
    installer.SetSilent(true);
    EXPECT_FALSE(installer.CopyPlainFile("C:\\NONE", "C:\\B\\D"));
    EXPECT_EQ(log.Records.size(), 2u);
}

TEST_F(InstallerFilesTest, SharedCountsKeepTheirTypeAndVanishAtZero) {
    const std::string file = "C:\\WINDOWS\\SYSTEM\\S.DLL";
    const RegistryKey counts{kLocalMachine, kSharedDllsKey};
    testing::FakeRegistry& registry = system.registry;
    installer.DetachLog();  // as the uninstaller's Installer, which logs nothing
    registry.Put(kLocalMachine, kSharedDllsKey, file, {kRegNumber, {1, 0, 0, 0}});
    EXPECT_EQ(installer.IncrementSharedCount(file), 2);
    EXPECT_EQ(registry.ReadValue(counts, file), (RegistryValue{kRegNumber, {2, 0, 0, 0}}));
    EXPECT_EQ(installer.DecrementSharedCount(file), 1);
    EXPECT_EQ(installer.DecrementSharedCount(file), 0);
    EXPECT_EQ(registry.ReadValue(counts, file), std::nullopt);
    EXPECT_EQ(installer.DecrementSharedCount(file), 0);
    // Outside the system and common-files directories nothing is counted.
    EXPECT_EQ(installer.IncrementSharedCount("C:\\APP\\S.DLL"), -1);
    const std::string common = "C:\\Program Files\\Common Files";
    registry.Put(kLocalMachine, kCurrentVersionKey, kCommonFilesValue,
                 {kRegText, {common.begin(), common.end()}});
    EXPECT_EQ(installer.IncrementSharedCount(common + "\\V\\S.DLL"), 1);
    EXPECT_EQ(registry.Values(counts)->size(), 1u);
    EXPECT_TRUE(log.Records.empty());
}

}  // namespace
}  // namespace aw
