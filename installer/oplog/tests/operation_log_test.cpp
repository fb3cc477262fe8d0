// The operation log of a run: its file from open to close, what it holds afterwards, and the
// appending of a second installation's records to an archived log.
#include "installer/oplog/operation_log.h"

#include <gtest/gtest.h>

#include "installer/oplog/log_encoding.h"
#include "installer/oplog/log_loading.h"
#include "installer/oplog/tests/fakes/log_holder.h"
#include "installer/oplog/tests/fakes/memory_files.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One change of every kind, with undo classes 0 and 1.
void ReportEveryChange(LogSink& log) {
    const RegistryKey key{kLocalMachine, "Software\\LineWink"};
    const Bytes data = {'2', '.', '1', 0};
    ProgramItem item;
    item.Name = "LineWink";
    item.CommandLine = "C:\\LW\\LINEWINK.EXE";
    log.SetUndoClass(0);
    log.DirectoryCreated("C:\\LW");
    log.DirectoryRemoved("C:\\LW\\OLD");
    log.FileDeleted("C:\\LW\\OLD.TXT");
    log.FileMoved("C:\\LW\\A.DLL", "C:\\LW\\B.DLL");
    log.FileCreated("C:\\LW\\LINEWINK.EXE");
    log.FileExtended("C:\\AUTOEXEC.BAT", 120);
    log.AttributesChanged("C:\\LW\\README.TXT", 0x21, 0x80);
    log.SetUndoClass(1);
    log.IniSectionAdded("C:\\WINDOWS\\WIN.INI", "LineWink");
    log.IniSectionDeleted("C:\\WINDOWS\\WIN.INI", "Old");
    log.IniEntryAdded("C:\\WINDOWS\\SYSTEM.INI", "386Enh", "device", 1);
    log.IniEntryDeleted("C:\\WINDOWS\\SYSTEM.INI", "386Enh", "device", "old.vxd", 0);
    log.IniEntryChanged("C:\\WINDOWS\\WIN.INI", "windows", "run", "", 0);
    log.GroupCreated("LineWink");
    log.GroupDeleted("Old");
    log.ItemCreated("LineWink", "LineWink");
    log.ItemDeleted("LineWink", item);
    log.SetUndoClass(0);
    log.KeyCreated(key);
    log.KeyDeleted({kCurrentUser, "Software\\Old"});
    log.ValueCreated(key, "Path");
    log.ValueChanged(key, "Version", 1, data);
    log.ValueChanged(key, "Empty", 3, {});
    log.ValueDeleted(key, "Size", 4, {{1, 0, 0, 0}});
    log.FontInstalled("C:\\WINDOWS\\FONTS\\LW.TTF");
    log.DataBlock(7, data);
}

class OperationLogTest : public ::testing::Test {
  protected:
    LogHeader header{1, 3, 0x00020001, 0x00000005, kUndoPacing, "LineWink 2.1"};
    testing::MemoryFiles files;
    testing::FakeReport report;
    testing::FakeLogHolder installer;
};

TEST_F(OperationLogTest, EveryChangeReadsBackAsItWasReported) {
    MemoryLog expected;
    ReportEveryChange(expected);
    {
        OperationLog log(files, installer);
        ASSERT_TRUE(log.Open("C:\\SETUP\\awlog3.nnn", header));
        EXPECT_EQ(installer.attached, &log);
        ReportEveryChange(*installer.attached);
        log.Close();
        EXPECT_EQ(installer.attached, &installer.discarding);
    }
    const ParsedLog parsed = ParseLog(files.Files["C:\\SETUP\\awlog3.nnn"]);
    EXPECT_FALSE(parsed.Fault.has_value());
    EXPECT_EQ(parsed.Header, header);
    EXPECT_EQ(parsed.Records, expected.Records);

    const std::optional<LoadedLog> loaded = LoadLog(files, "C:\\SETUP\\awlog3.nnn", report);
    ASSERT_TRUE(loaded.has_value());
    ASSERT_EQ(loaded->Records.size(), expected.Records.size());
    EXPECT_EQ(loaded->Records[2].State, RecordState::NothingToUndo);  // FileDeleted
    EXPECT_EQ(loaded->Records[7].State, RecordState::UndoOptional);
    EXPECT_EQ(loaded->Records.back().State, RecordState::WillUndo);
}

TEST_F(OperationLogTest, EachRecordIsWrittenInOnePiece) {
    OperationLog log(files, installer);
    ASSERT_TRUE(log.Open("L", header));
    log.FileCreated("C:\\LW\\LINEWINK.EXE");
    log.ValueChanged({}, "v", 3, Bytes(5000, 1));
    ASSERT_EQ(files.Writes.size(), 3u);
    EXPECT_EQ(files.Writes[2], 8u + 1 + 4 + 1 + 1 + 4 + 4 + 5000);
}

TEST_F(OperationLogTest, ALogThatCannotBeCreatedIsNotAttached) {
    files.FailCreate = true;
    OperationLog log(files, installer);
    EXPECT_FALSE(log.Open("L", header));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(installer.attached, &installer.discarding);
}

TEST_F(OperationLogTest, ALogWhoseHeaderCannotBeWrittenIsNotAttached) {
    files.WritesThatSucceed = 0;
    OperationLog log(files, installer);
    EXPECT_FALSE(log.Open("L", header));
    EXPECT_EQ(installer.attached, &installer.discarding);
}

TEST_F(OperationLogTest, WriteErrorsLaterAreIgnoredAndTheLogReadsToItsLastWholeRecord) {
    files.WritesThatSucceed = 2;
    OperationLog log(files, installer);
    ASSERT_TRUE(log.Open("L", header));
    log.DirectoryCreated("C:\\LW");
    log.FileCreated("C:\\LW\\LINEWINK.EXE");
    EXPECT_TRUE(log.IsOpen());
    const ParsedLog parsed = ParseLog(files.Files["L"]);
    EXPECT_FALSE(parsed.Fault.has_value());
    EXPECT_EQ(parsed.Records.size(), 1u);
}

TEST_F(OperationLogTest, AClosedLogWritesNothingMore) {
    OperationLog log(files, installer);
    ASSERT_TRUE(log.Open("L", header));
    log.Close();
    const std::size_t size = files.Files["L"].size();
    log.FileCreated("late");
    EXPECT_EQ(files.Files["L"].size(), size);
}

TEST_F(OperationLogTest, OnlyALogWithAByteAfterItsHeaderHasRecords) {
    OperationLog log(files, installer);
    ASSERT_TRUE(log.Open("L", header));
    EXPECT_FALSE(LogHasRecords(files, "L"));
    log.DataBlock(1, {});
    EXPECT_TRUE(LogHasRecords(files, "L"));
    EXPECT_FALSE(LogHasRecords(files, "missing"));
    files.Files["cut"] = Bytes(files.Files["L"].begin(), files.Files["L"].begin() + 10);
    EXPECT_FALSE(LogHasRecords(files, "cut"));
    files.Files["byte"] = EncodeHeader(header);
    files.Files["byte"].push_back(0);
    EXPECT_TRUE(LogHasRecords(files, "byte"));
}

// Two installations with the append flag: one archived file, one header, the second
// installation's records after the first's.
TEST_F(OperationLogTest, AppendingKeepsTheArchiveHeaderAndAddsTheRecordsInKiBBlocks) {
    OperationLog first(files, installer);
    ASSERT_TRUE(first.Open("C:\\BACK\\awlog3.000", header));
    first.DirectoryCreated("C:\\LW");
    first.Close();

    OperationLog second(files, installer);
    LogHeader other = header;
    other.ProductName = "Second";
    ASSERT_TRUE(second.Open("C:\\SETUP\\awlog3.nnn", other));
    for (int i = 0; i < 300; ++i) {
        second.FileCreated("C:\\LW\\FILE" + std::to_string(i) + ".DAT");
    }
    second.Close();

    const std::size_t recordBytes =
        files.Files["C:\\SETUP\\awlog3.nnn"].size() - EncodeHeader(other).size();
    files.Writes.clear();
    ASSERT_TRUE(AppendLogRecords(files, "C:\\SETUP\\awlog3.nnn", "C:\\BACK\\awlog3.000"));
    ASSERT_EQ(files.Writes.size(), (recordBytes + 1023) / 1024);
    for (std::size_t i = 0; i + 1 < files.Writes.size(); ++i) {
        EXPECT_EQ(files.Writes[i], 1024u);
    }
    EXPECT_EQ(files.Writes.back(), recordBytes - 1024 * (files.Writes.size() - 1));

    const ParsedLog archive = ParseLog(files.Files["C:\\BACK\\awlog3.000"]);
    EXPECT_FALSE(archive.Fault.has_value());
    EXPECT_EQ(archive.Header, header);
    ASSERT_EQ(archive.Records.size(), 301u);
    EXPECT_EQ(archive.Records[0].Kind(), LogKind::DirCreated);
    EXPECT_EQ(archive.Records[300].Payload, LogPayload(logrec::FileCreated{"C:\\LW\\FILE299.DAT"}));
}

TEST_F(OperationLogTest, AppendingNeedsAReadableSourceAndAnExistingArchive) {
    files.Files["archive"] = EncodeHeader(header);
    files.Files["broken"] = {1, 2, 3};
    EXPECT_FALSE(AppendLogRecords(files, "missing", "archive"));
    EXPECT_FALSE(AppendLogRecords(files, "broken", "archive"));
    files.Files["new"] = files.Files["archive"];
    EXPECT_FALSE(AppendLogRecords(files, "new", "no archive"));
    EXPECT_FALSE(files.Files.contains("no archive"));
    files.WritesThatSucceed = 0;
    LogRecord record{0, logrec::DirCreated{"C:\\LW"}};
    const std::vector<std::uint8_t> encoded = EncodeRecord(record);
    files.Files["new"].insert(files.Files["new"].end(), encoded.begin(), encoded.end());
    EXPECT_FALSE(AppendLogRecords(files, "new", "archive"));
}

}  // namespace
}  // namespace aw
