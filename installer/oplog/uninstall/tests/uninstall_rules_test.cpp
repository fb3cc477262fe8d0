// The uninstaller's small rules: which stage runs, which log is the newest, how a damaged log
// reads, and how the detailed view lines up a record's fields.
#include <gtest/gtest.h>

#include <set>

#include "installer/oplog/tests/fakes/memory_files.h"
#include "installer/oplog/uninstall/record_details.h"
#include "installer/oplog/uninstall/tests/fakes/uninstall_world.h"
#include "installer/oplog/uninstall/undo_log.h"
#include "installer/oplog/uninstall/uninstall_paths.h"

namespace aw {
namespace {

TEST(UninstallRulesTest, TheSecondStageRunsFromADriveOrShareRootOnly) {
    for (const char* root : {"C:", "c:\\", "\\\\server\\share"}) {
        EXPECT_TRUE(IsSecondStageDirectory(root)) << root;
    }
    for (const char* other : {"C:\\BACK", "\\\\server\\share\\back", "\\\\server", ""}) {
        EXPECT_FALSE(IsSecondStageDirectory(other)) << other;
    }
}

TEST(UninstallRulesTest, TheNewestLogIsTheLastOfTheUnbrokenRunFrom000) {
    std::set<std::string> present = {"C:\\B\\awlog3.000", "C:\\B\\awlog3.001", "C:\\B\\awlog3.003"};
    const auto exists = [&present](const std::string& path) { return present.contains(path); };
    EXPECT_EQ(NewestLogNumber("C:\\B", exists), 1);
    present.erase("C:\\B\\awlog3.000");
    EXPECT_EQ(NewestLogNumber("C:\\B", exists), std::nullopt);
    EXPECT_EQ(UninstallKeyPath("Line Wink 2"),
              "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LineWink2");
    EXPECT_TRUE(HasUnattendedSwitch("/s"));
    EXPECT_TRUE(HasUnattendedSwitch("x /S"));
    EXPECT_FALSE(HasUnattendedSwitch("/Silent /X"));
    EXPECT_EQ(CompanionFiles("awlog3.000", 1),
              (std::vector<std::string>{"awlog3.000", "awdeu.dll", "auuser.dll"}));
}

TEST(UninstallRulesTest, ALogCutInsideItsLastRecordGivesTheWholeRecordsButDamageGivesNothing) {
    testing::MemoryFiles files;
    testing::FakeReport report;
    std::vector<std::uint8_t> bytes =
        testing::LogBytes({0, 3, 0, 0, 100, "P"}, {{0, logrec::DirCreated{"C:\\P"}},
                                                   {2, logrec::FileCreated{"C:\\P\\K"}},
                                                   {0, logrec::FileCreated{"C:\\P\\A"}}});
    files.Files["cut"] = bytes;
    files.Files["cut"].resize(bytes.size() - 3);
    const std::optional<UndoLog> cut = ReadUndoLog(files, "cut", report);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->WholeRecordsBeforeCut, 2u);
    ASSERT_EQ(cut->Records.size(), 1u);
    EXPECT_EQ(cut->Header.ProductName, "P");
    EXPECT_NE(PartialLogQuestion(2).find("2 complete changes"), std::string::npos);

    files.Files["whole"] = bytes;
    EXPECT_EQ(ReadUndoLog(files, "whole", report)->WholeRecordsBeforeCut, std::nullopt);

    files.Files["damaged"] = bytes;
    files.Files["damaged"][bytes.size() - 30] = 0x40;  // the middle record's kind: none has it
    EXPECT_FALSE(ReadUndoLog(files, "damaged", report));
    files.Files["header"] = {1, 0};
    EXPECT_FALSE(ReadUndoLog(files, "header", report));
    EXPECT_FALSE(ReadUndoLog(files, "missing", report));
    EXPECT_EQ(report.Errors,
              (std::vector<std::string>{"Log file contains bad data", "Log file contains bad data",
                                        "Unable to open missing"}));
}

TEST(UninstallRulesTest, DetailLinesPadTheLabelsToTheLongest) {
    const LogRecord record{0, logrec::AttrChanged{"C:\\A", 0x21, 0x01}};
    EXPECT_EQ(RecordDetailLines(record),
              (std::vector<std::string>{"file          : C:\\A", "old attributes: 0x21",
                                        "new attributes: 0x01"}));
    const LogRecord key{0, logrec::ValueCreated{{kCurrentUser, "Software\\P"}, "n"}};
    EXPECT_EQ(RecordDetailLines(key),
              (std::vector<std::string>{"key : HKCU\\Software\\P", "name: n"}));
}

}  // namespace
}  // namespace aw
