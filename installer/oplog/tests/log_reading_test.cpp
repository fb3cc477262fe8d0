// Reading a log back: bad data of every sort is refused without reading past the end, and the
// records that the uninstaller loads carry the state their undo class and kind give them.
#include <gtest/gtest.h>

#include "installer/oplog/log_encoding.h"
#include "installer/oplog/log_loading.h"
#include "installer/oplog/tests/fakes/memory_files.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace logrec;

const Bytes kHeader = {0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 1, 'P'};

Bytes Log(std::vector<LogRecord> records) {
    Bytes bytes = kHeader;
    for (LogRecord& record : records) {
        const Bytes encoded = EncodeRecord(record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    return bytes;
}

Bytes With(Bytes bytes, const Bytes& tail) {
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

class LoadTest : public ::testing::Test {
  protected:
    std::optional<LoadedLog> Load(const Bytes& bytes) {
        files.Files["awlog3.000"] = bytes;
        return LoadLog(files, "awlog3.000", report);
    }

    testing::MemoryFiles files;
    testing::FakeReport report;
};

TEST_F(LoadTest, KindsOutsideTheTwentyThreeAreBadData) {
    const Bytes good = Log({{0, DirCreated{"C:\\LW"}}});
    for (const std::uint8_t kind : {23, 24, 0xFF}) {
        const ParsedLog parsed = ParseLog(With(good, {kind, 0, 0, 0, 0, 0, 0, 0}));
        ASSERT_TRUE(parsed.Fault.has_value());
        EXPECT_EQ(parsed.Fault->Offset, good.size());
        EXPECT_EQ(parsed.Records.size(), 1u);
    }
    EXPECT_TRUE(ParseLog(With(good, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0})).Fault.has_value());
    EXPECT_FALSE(Load(With(good, {23, 0, 0, 0, 0, 0, 0, 0, 0})).has_value());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Log file contains bad data"});
}

TEST_F(LoadTest, NegativeBlockLengthsAndOverlongFixedTextsAreBadData) {
    const Bytes negative = {22, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    // An empty key path and name, old type 1, then a length of 0x7F000000 before one byte.
    const Bytes hugeValue = {19, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,   0,
                             0,  0, 1, 0, 0, 0, 0, 0, 0, 0x7F, 0xAB};
    Bytes longIniFile = {7, 0, 0, 0, 0, 0, 0, 0, 0xFF, 4, 1};
    longIniFile.resize(longIniFile.size() + 260, 'i');
    for (const Bytes& record : {negative, hugeValue, longIniFile}) {
        EXPECT_TRUE(ParseLog(With(kHeader, record)).Fault.has_value());
        EXPECT_FALSE(Load(With(kHeader, record)).has_value());
    }
}

TEST_F(LoadTest, AMissingFileCannotBeOpened) {
    EXPECT_FALSE(LoadLog(files, "C:\\BACK\\awlog3.004", report).has_value());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to open C:\\BACK\\awlog3.004"});
}

// Cut anywhere, a log reads as far as its last whole record when the cut falls between two
// records, and is bad data everywhere else; nothing is read past the cut.
TEST_F(LoadTest, EveryTruncationReadsCleanlyOrIsBadData) {
    std::vector<LogRecord> records = {
        {0, DirCreated{"C:\\LW"}},
        {1, ValueChanged{{0, "Software\\LW"}, "", 1, {}}},
        {0, ItemDeleted{"LW", PackProgramItem({})}},
        {0, DataBlock{3, Bytes(300, 0x5A)}},
        {2, IniEntryDeleted{"C:\\WINDOWS\\SYSTEM.INI", "386Enh", "device", "lw.vxd", 1}},
        {0, FileCreated{std::string(400, 'f')}},
    };
    const Bytes whole = Log(records);
    std::vector<std::size_t> ends = {kHeader.size()};
    for (LogRecord& record : records) {
        ends.push_back(ends.back() + EncodeRecord(record).size());
    }
    ASSERT_EQ(ends.back(), whole.size());

    for (std::size_t size = 0; size <= whole.size(); ++size) {
        // A copy of exactly that size, so that the sanitizers see any read beyond it.
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        const ParsedLog parsed = ParseLog(cut);
        std::size_t wholeRecords = 0;
        while (wholeRecords + 1 < ends.size() && ends[wholeRecords + 1] <= size) {
            ++wholeRecords;
        }
        const bool between = size >= kHeader.size() && ends[wholeRecords] == size;
        EXPECT_EQ(parsed.Fault.has_value(), !between) << size;
        EXPECT_EQ(parsed.Records.size(), size < kHeader.size() ? 0 : wholeRecords) << size;
    }
}

TEST_F(LoadTest, StatesComeFromTheUndoClassAndClassTwoIsNeverLoaded) {
    const std::optional<LoadedLog> log = Load(Log({
        {0, FileCreated{"a"}},
        {1, FileCreated{"b"}},
        {2, FileCreated{"c"}},
        {0, FileDeleted{"d"}},
        {1, FileDeleted{"e"}},
        {2, FileDeleted{"f"}},
        {0, DataBlock{1, {}}},
    }));
    ASSERT_TRUE(log.has_value());
    EXPECT_EQ(log->Header.ProductName, "P");
    EXPECT_EQ(log->Header.Language, 2);
    const std::vector<std::pair<LogPayload, RecordState>> expected = {
        {FileCreated{"a"}, RecordState::WillUndo},
        {FileCreated{"b"}, RecordState::UndoOptional},
        {FileDeleted{"d"}, RecordState::NothingToUndo},
        {FileDeleted{"e"}, RecordState::NothingToUndo},
        {DataBlock{1, {}}, RecordState::WillUndo},
    };
    ASSERT_EQ(log->Records.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log->Records[i].Payload, expected[i].first) << i;
        EXPECT_EQ(log->Records[i].State, expected[i].second) << i;
    }
    EXPECT_TRUE(report.Errors.empty());
    EXPECT_TRUE(report.CheckUnits.empty());
    EXPECT_EQ(StateTextNumber(RecordState::WillUndo), 0x9C);
    EXPECT_EQ(StateTextNumber(RecordState::UndoFailed), 0xA0);
}

TEST_F(LoadTest, AnyOtherUndoClassIsACheckFailureAndTheRecordIsOnlyOffered) {
    const std::optional<LoadedLog> log =
        Load(Log({{3, KeyCreated{{0, "Software\\LW"}}}, {-1, FileDeleted{"x"}}}));
    ASSERT_TRUE(log.has_value());
    EXPECT_EQ(report.CheckUnits, (std::vector<std::string>{"OPLOG", "OPLOG"}));
    ASSERT_EQ(log->Records.size(), 2u);
    EXPECT_EQ(log->Records[0].State, RecordState::UndoOptional);
    EXPECT_EQ(log->Records[1].State, RecordState::NothingToUndo);
}

TEST_F(LoadTest, ALogWhoseRecordsAreAllClassTwoLoadsEmpty) {
    const std::optional<LoadedLog> log = Load(Log({{2, DirCreated{"a"}}, {2, KeyCreated{}}}));
    ASSERT_TRUE(log.has_value());
    EXPECT_TRUE(log->Records.empty());
}

}  // namespace
}  // namespace aw
