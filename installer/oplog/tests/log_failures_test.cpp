// A log whose writes fail part-way still reads back: what a failed write left is cut off, in the
// running log and in an archive that records are appended to.
#include <gtest/gtest.h>

#include "installer/oplog/log_encoding.h"
#include "installer/oplog/log_loading.h"
#include "installer/oplog/operation_log.h"
#include "installer/oplog/tests/fakes/log_holder.h"
#include "installer/oplog/tests/fakes/memory_files.h"

namespace aw {
namespace {

class LogFailureTest : public ::testing::Test {
  protected:
    // A log of `count` records, closed.
    void WriteLog(const std::string& path, int count) {
        OperationLog log(files, installer);
        ASSERT_TRUE(log.Open(path, header));
        for (int i = 0; i < count; ++i) {
            log.FileCreated("C:\\APP\\FILE" + std::to_string(i) + ".DAT");
        }
    }

    testing::MemoryFiles files;
    testing::FakeLogHolder installer;
    LogHeader header;
};

TEST_F(LogFailureTest, ARecordWrittenInPartIsCutOffAndTheNextFollowsTheLastWholeOne) {
    files.FailingWrites = {3};
    WriteLog("L", 3);
    const ParsedLog parsed = ParseLog(files.Files["L"]);
    EXPECT_FALSE(parsed.Fault.has_value());
    ASSERT_EQ(parsed.Records.size(), 2u);
    EXPECT_EQ(parsed.Records[1].Payload, LogPayload(logrec::FileCreated{"C:\\APP\\FILE2.DAT"}));
}

TEST_F(LogFailureTest, AnArchiveTakesOnlyWholeRecordsAndIsCutBackWhenAWriteFails) {
    WriteLog("archive", 1);
    WriteLog("run", 100);
    files.Files["run"].resize(files.Files["run"].size() - 3);
    const std::vector<std::uint8_t> archive = files.Files["archive"];

    files.Writes.clear();
    files.FailingWrites = {2};
    EXPECT_FALSE(AppendLogRecords(files, "run", "archive"));
    EXPECT_EQ(files.Files["archive"], archive);

    files.FailingWrites.clear();
    EXPECT_TRUE(AppendLogRecords(files, "run", "archive"));
    const ParsedLog parsed = ParseLog(files.Files["archive"]);
    EXPECT_FALSE(parsed.Fault.has_value());
    EXPECT_EQ(parsed.Records.size(), 100u);
}

TEST_F(LogFailureTest, WhicheverArchiveWriteFailsTheArchiveStillReadsAsItWas) {
    WriteLog("run", 200);
    for (std::size_t failing = 1;; ++failing) {
        files.FailingWrites.clear();
        WriteLog("archive", 1);
        const std::vector<std::uint8_t> archive = files.Files["archive"];
        files.Writes.clear();
        files.FailingWrites = {failing};
        if (AppendLogRecords(files, "run", "archive")) {
            EXPECT_EQ(ParseLog(files.Files["archive"]).Records.size(), 201u);
            break;
        }
        EXPECT_EQ(files.Files["archive"], archive) << "failing write " << failing;
    }
}

}  // namespace
}  // namespace aw
