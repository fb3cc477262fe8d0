// The uninstaller run unattended against real files, registry and INI files: logs written by the
// operation log while the Installer made the changes, undone by awmain started with /S.
#include <gtest/gtest.h>

#include "installer/controller/shared_counts.h"
#include "installer/oplog/log_encoding.h"
#include "installer/oplog/win32/tests/uninstall_rig.h"

namespace aw::testing {
namespace {

class UninstallWineTest : public UninstallRig {
  protected:
    void SetUp() override {
        UninstallRig::SetUp();
        WriteIni();
    }
    // The first installation: the uninstaller, and whatever else it did.
    void RecordFirst(const std::function<void(Installer&)>& more = nullptr) {
        Record(0, [&](Installer& installer) {
            InstallUninstaller(installer, back);
            if (more) {
                more(installer);
            }
        });
    }
    std::string Program() const { return back + "\\AWMAIN.EXE"; }
};

TEST_F(UninstallWineTest, TheNewestOfTwoLogsIsUndoneInPlaceAndTheProgramStays) {
    RecordFirst();
    Record(1, [this](Installer& installer) { ProductChanges(installer); });
    const RunOutcome outcome = Run(Program(), "/S");
    EXPECT_EQ(outcome.Exit, 0u) << outcome.Errors;
    EXPECT_FALSE(ProductLeft());
    EXPECT_EQ(ReadText(Ini()), kIniText);
    EXPECT_FALSE(Exists(ArchivedLogPath(back, 1)));
    EXPECT_TRUE(Exists(ArchivedLogPath(back, 0)));
    EXPECT_TRUE(Exists(Program()));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kTestUninstallKey));
}

TEST_F(UninstallWineTest, ChangesThatAreNeverUndoneStayAndTheLogGoes) {
    RecordFirst();
    const auto changes = [this](Installer& installer) { ProductChanges(installer); };
    Record(1, changes, 2);
    const RunOutcome outcome = Run(Program(), "/S");
    EXPECT_EQ(outcome.Exit, 0u) << outcome.Errors;
    EXPECT_TRUE(Exists(product + "\\file.txt"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(Exists(ArchivedLogPath(back, 1)));
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

TEST_F(UninstallWineTest, ASharedFileCountedThreeTimesKeepsTwoCountsAndStays) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string shared = std::string(system) + "\\awu_shared.dll";
    RecordFirst();
    Record(1, [&](Installer& installer) {
        ASSERT_TRUE(installer.CopyPlainFile(base + "\\source.txt", shared));
        UnloggedScope unlogged(installer);
        for (int i = 0; i < 3; ++i) {
            ASSERT_GE(installer.IncrementSharedCount(shared), 1);
        }
    });
    const RunOutcome outcome = Run(Program(), "/S");
    EXPECT_EQ(outcome.Exit, 0u) << outcome.Errors;
    EXPECT_TRUE(Exists(shared));
    Win32InstallerRig rig;
    EXPECT_EQ(SharedCountOf(rig.installer.ReadValue({kLocalMachine, kSharedDllsKey}, shared)), 2u);
    rig.installer.DeleteValue({kLocalMachine, kSharedDllsKey}, shared);
    DeleteFileA(shared.c_str());
}

TEST_F(UninstallWineTest, ALogDamagedInItsMiddleChangesNothing) {
    RecordFirst();
    Record(1, [this](Installer& installer) { ProductChanges(installer); });
    // The second record's kind becomes one that no record has.
    std::string bytes = ReadText(ArchivedLogPath(back, 1));
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size());
    ParsedLog parsed = ParseLog(data);
    ASSERT_GE(parsed.Records.size(), 3u);
    const std::size_t second = *HeaderLength(data) + EncodeRecord(parsed.Records[0]).size();
    bytes[second] = '\x7F';
    WriteText(ArchivedLogPath(back, 1), bytes);
    const RunOutcome outcome = Run(Program(), "/S");
    EXPECT_NE(outcome.Exit, 0u);
    EXPECT_NE(outcome.Errors.find("Log file contains bad data"), std::string::npos)
        << outcome.Errors;
    EXPECT_TRUE(Exists(product + "\\file.txt"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_TRUE(Exists(ArchivedLogPath(back, 1)));
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

TEST_F(UninstallWineTest, ALogCutInsideItsLastRecordIsUndoneUpToIt) {
    RecordFirst();
    Record(1, [this](Installer& installer) {
        ASSERT_TRUE(installer.SetTextValue({kCurrentUser, kTestKey}, "Value", "1"));
        ASSERT_EQ(installer.MakeDirectory(product), kDirectoryReady);
    });
    std::string bytes = ReadText(ArchivedLogPath(back, 1));
    bytes.resize(bytes.size() - 2);
    WriteText(ArchivedLogPath(back, 1), bytes);
    const RunOutcome outcome = Run(Program(), "/S");
    EXPECT_EQ(outcome.Exit, 0u) << outcome.Errors;
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_TRUE(Exists(product));  // its record was cut
}

TEST_F(UninstallWineTest, ASecondStageWithoutTheHandOverSaysSoAndEnds) {
    RecordFirst();
    ASSERT_TRUE(CopyFileA(Program().c_str(), "C:\\AWMAIN.EXE", FALSE));
    const RunOutcome outcome = Run("C:\\AWMAIN.EXE", "/S");
    EXPECT_EQ(outcome.Exit, 1u);
    EXPECT_NE(outcome.Errors.find("Back dir is undefined"), std::string::npos) << outcome.Errors;
}

TEST_F(UninstallWineTest, TheLastInstallationGoesInTwoStagesAndLeavesNothingOfTheProduct) {
    InstallMovexe();
    RecordFirst([this](Installer& installer) { ProductChanges(installer); });
    const RunOutcome outcome = Run(Program(), "/S");
    EXPECT_EQ(outcome.Exit, 0u) << outcome.Errors;
    EXPECT_FALSE(ProductLeft());
    EXPECT_FALSE(Exists(back));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kTestUninstallKey));
    EXPECT_FALSE(Exists("C:\\awlog3.000") || Exists("C:\\awenu.dll"));
    EXPECT_EQ(HandOverEntry(), "");
    EXPECT_TRUE(WaitUntilGone("C:\\AWMAIN.EXE"));
}

}  // namespace
}  // namespace aw::testing
