// What every operation of the Installer relies on: where its changes are reported, with which
// undo class, and how its failures are shown.
#include "installer/controller/installer.h"

#include <gtest/gtest.h>

#include "installer/controller/tests/fakes/copy_world.h"
#include "installer/oplog/record_sink.h"

namespace aw {
namespace {

class InstallerTest : public ::testing::Test {
  protected:
    InstallerTest() { world.installer.DetachLog(); }
    testing::CopyWorld world;
    testing::FakeReport& report = world.report;
    Installer& installer = world.installer;
    MemoryLog log;
};

TEST_F(InstallerTest, ChangesGoNowhereUntilALogIsAttachedAndAfterItIsDetached) {
    installer.Log().FileCreated("before");
    installer.AttachLog(log);
    installer.Log().FileCreated("during");
    installer.DetachLog();
    installer.Log().FileCreated("after");
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload, LogPayload(logrec::FileCreated{"during"}));
}

TEST_F(InstallerTest, AttachingHandsBackTheSinkAttachedBefore) {
    MemoryLog other;
    LogSink& first = installer.AttachLog(log);
    EXPECT_NE(&first, &log);  // the discarding sink
    EXPECT_EQ(&installer.AttachLog(other), &log);
    EXPECT_EQ(&installer.Log(), &other);
}

TEST_F(InstallerTest, RecordsCarryTheUndoClassOfTheRunningEventAttachedEarlierOrLater) {
    installer.SetUndoClass(1);
    installer.AttachLog(log);
    installer.Log().DirectoryCreated("a");
    installer.SetUndoClass(2);
    installer.Log().DirectoryCreated("b");
    installer.DetachLog();
    installer.SetUndoClass(0);
    installer.AttachLog(log);
    installer.Log().DirectoryCreated("c");
    ASSERT_EQ(log.Records.size(), 3u);
    EXPECT_EQ(log.Records[0].UndoClass, 1);
    EXPECT_EQ(log.Records[1].UndoClass, 2);
    EXPECT_EQ(log.Records[2].UndoClass, 0);
}

TEST_F(InstallerTest, UnloggedChangesLeaveNoRecordAndTheLogComesBack) {
    installer.AttachLog(log);
    {
        UnloggedScope unlogged(installer);
        installer.Log().ValueCreated({kLocalMachine, "Software\\X"}, "count");
        {
            UnloggedScope nested(installer);
            installer.Log().FileCreated("copy");
        }
        installer.Log().FileCreated("copy");
    }
    installer.Log().FileCreated("kept");
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload, LogPayload(logrec::FileCreated{"kept"}));
}

TEST_F(InstallerTest, AFailureIsShownFormattedAndKeptAsTheLastError) {
    EXPECT_EQ(installer.LastError(), "");
    installer.ReportError("Unable to add INI section %s in file %s", "LW", "C:\\WIN.INI");
    ASSERT_EQ(report.Errors.size(), 1u);
    EXPECT_EQ(report.Errors[0], "Unable to add INI section LW in file C:\\WIN.INI");
    EXPECT_EQ(installer.LastError(), report.Errors[0]);
    installer.ReportError("No argument at %d", 3);
    EXPECT_EQ(installer.LastError(), "No argument at 3");
}

TEST_F(InstallerTest, ASilentInstallerShowsNothingButStillKeepsTheLastError) {
    installer.SetSilent(true);
    installer.ReportError("Unable to delete file %s", "C:\\X");
    EXPECT_TRUE(report.Errors.empty());
    EXPECT_EQ(installer.LastError(), "Unable to delete file C:\\X");
    installer.SetSilent(false);
    installer.ReportError("%s not found", "C:\\Y");
    EXPECT_EQ(report.Errors.size(), 1u);
}

TEST_F(InstallerTest, MessagesAreCutAt512Characters) {
    const std::string path(600, 'p');
    installer.ReportError("Unable to delete file %s", path.c_str());
    ASSERT_EQ(report.Errors.size(), 1u);
    EXPECT_EQ(report.Errors[0].size(), 512u);
    EXPECT_EQ(report.Errors[0].substr(0, 22), "Unable to delete file ");
}

TEST_F(InstallerTest, CheckFailuresNameTheUnitEvenWhenSilent) {
    installer.SetSilent(true);
    installer.CheckFailed(__LINE__);
    ASSERT_EQ(report.CheckUnits.size(), 1u);
    EXPECT_EQ(report.CheckUnits[0], "INSTALLR");
}

}  // namespace
}  // namespace aw
