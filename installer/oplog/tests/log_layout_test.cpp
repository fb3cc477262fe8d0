// Each record kind's bytes, written out by hand from the log's format: kind, undo class, then
// the kind's fields; numbers 4 bytes little-endian, texts led by their length.
#include <gtest/gtest.h>

#include "installer/oplog/log_encoding.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace logrec;

Bytes Join(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A recognisable item record: byte i holds i modulo 251.
ProgramItemBytes SampleItem() {
    ProgramItemBytes item{};
    for (std::size_t i = 0; i < item.size(); ++i) {
        item[i] = static_cast<std::uint8_t>(i % 251);
    }
    return item;
}

struct Layout {
    LogRecord Record;
    Bytes Expected;
};

std::vector<Layout> EveryKind() {
    const ProgramItemBytes item = SampleItem();
    return {
        {{0, DirCreated{"D"}}, {0, 0, 0, 0, 0, 0, 0, 0, 1, 'D'}},
        {{1, DirRemoved{"D"}}, {1, 0, 0, 0, 1, 0, 0, 0, 1, 'D'}},
        {{2, FileMoved{"a", "bc"}}, {2, 0, 0, 0, 2, 0, 0, 0, 1, 'a', 2, 'b', 'c'}},
        {{0, FileDeleted{"f"}}, {3, 0, 0, 0, 0, 0, 0, 0, 1, 'f'}},
        {{0, FileCreated{""}}, {4, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{0, FileExtended{"f", 0x01020304}}, {5, 0, 0, 0, 0, 0, 0, 0, 1, 'f', 4, 3, 2, 1}},
        {{0, AttrChanged{"f", 0x21, 0x80}},
         {6, 0, 0, 0, 0, 0, 0, 0, 1, 'f', 0x21, 0, 0, 0, 0x80, 0, 0, 0}},
        {{0, IniEntryAdded{"w.ini", "s", "e", 1}},
         {7, 0, 0, 0, 0, 0, 0, 0, 5, 'w', '.', 'i', 'n', 'i', 1, 's', 1, 'e', 1, 0, 0, 0}},
        {{0, IniEntryDeleted{"w", "s", "e", "v", 2}},
         {8, 0, 0, 0, 0, 0, 0, 0, 1, 'w', 1, 's', 1, 'e', 1, 'v', 2, 0, 0, 0}},
        {{0, IniEntryChanged{"w", "s", "e", "", 0}},
         {9, 0, 0, 0, 0, 0, 0, 0, 1, 'w', 1, 's', 1, 'e', 0, 0, 0, 0, 0}},
        {{0, IniSectionAdded{"w", "s"}}, {10, 0, 0, 0, 0, 0, 0, 0, 1, 'w', 1, 's'}},
        {{0, IniSectionDeleted{"w", "s"}}, {11, 0, 0, 0, 0, 0, 0, 0, 1, 'w', 1, 's'}},
        {{0, GroupCreated{"g"}}, {12, 0, 0, 0, 0, 0, 0, 0, 1, 'g'}},
        {{0, ItemCreated{"g", "i"}}, {13, 0, 0, 0, 0, 0, 0, 0, 1, 'g', 1, 'i'}},
        {{0, GroupDeleted{"g"}}, {14, 0, 0, 0, 0, 0, 0, 0, 1, 'g'}},
        {{0, ItemDeleted{"g", item}},
         Join({15, 0, 0, 0, 0, 0, 0, 0, 1, 'g'}, Bytes(item.begin(), item.end()))},
        {{0, KeyCreated{{2, "S\\X"}}}, {16, 0, 0, 0, 0, 0, 0, 0, 3, 'S', '\\', 'X', 2, 0, 0, 0}},
        {{0, KeyDeleted{{4, ""}}}, {17, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0}},
        {{0, ValueCreated{{0, "K"}, "n"}}, {18, 0, 0, 0, 0, 0, 0, 0, 1, 'K', 0, 0, 0, 0, 1, 'n'}},
        {{0, ValueChanged{{1, "K"}, "n", 4, {1, 2, 3, 4}}},
         {19, 0, 0, 0, 0, 0, 0, 0, 1, 'K', 1, 0, 0, 0, 1, 'n', 4, 0, 0, 0, 4, 0, 0, 0, 1, 2, 3, 4}},
        {{0, ValueDeleted{{3, "K"}, "n", 7, {'a', 0, 0}}},
         {20, 0, 0, 0, 0, 0, 0, 0, 1, 'K', 3, 0, 0, 0, 1, 'n', 7, 0, 0, 0, 3, 0, 0, 0, 'a', 0, 0}},
        {{0, FontInstalled{"f"}}, {21, 0, 0, 0, 0, 0, 0, 0, 1, 'f'}},
        {{0, DataBlock{16, {0xFF}}}, {22, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 1, 0, 0, 0, 0xFF}},
    };
}

// dialog style 1, language 3, version 0x00020001 / 5, pacing 100, product "LW"
const Bytes kHeader = {1, 0, 0, 0, 3, 0, 0, 0, 1, 0, 2, 0, 5, 0, 0, 0, 100, 0, 0, 0, 2, 'L', 'W'};

TEST(LogLayout, HeaderIsTwoIntsThreeLongsAndTheProductName) {
    LogHeader header{1, 3, 0x00020001, 5, 100, "LW"};
    EXPECT_EQ(EncodeHeader(header), kHeader);
    EXPECT_EQ(ParseLog(kHeader).Header, header);
    EXPECT_EQ(HeaderLength(kHeader), kHeader.size());
}

TEST(LogLayout, EveryKindIsWrittenAndReadAsTheFormatLaysItOut) {
    std::vector<Layout> layouts = EveryKind();
    ASSERT_EQ(layouts.size(), 23u);
    for (std::size_t kind = 0; kind < layouts.size(); ++kind) {
        Layout& layout = layouts[kind];
        SCOPED_TRACE(LogKindName(static_cast<std::int32_t>(kind)));
        ASSERT_EQ(static_cast<std::size_t>(layout.Record.Kind()), kind);
        EXPECT_EQ(EncodeRecord(layout.Record), layout.Expected);
        const ParsedLog parsed = ParseLog(Join(kHeader, layout.Expected));
        EXPECT_FALSE(parsed.Fault.has_value());
        ASSERT_EQ(parsed.Records.size(), 1u);
        EXPECT_EQ(parsed.Records[0], layout.Record);
    }
}

TEST(LogLayout, ValueOfLengthZeroCarriesNoDataBytes) {
    LogRecord record{0, ValueChanged{{0, "K"}, "", 1, {}}};
    const Bytes expected = {19, 0, 0, 0, 0, 0, 0, 0, 1, 'K', 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(EncodeRecord(record), expected);
    const ParsedLog parsed = ParseLog(Join(kHeader, expected));
    ASSERT_EQ(parsed.Records.size(), 1u);
    EXPECT_EQ(parsed.Records[0], record);
}

TEST(LogLayout, TextsOf255CharactersAndMoreCarryASixteenBitLength) {
    for (const std::size_t length : {254u, 255u, 300u, 65535u}) {
        LogRecord record{0, FileCreated{std::string(length, 'x')}};
        const Bytes bytes = EncodeRecord(record);
        if (length < 255) {
            EXPECT_EQ(bytes[8], length);
            EXPECT_EQ(bytes.size(), 9 + length);
        } else {
            EXPECT_EQ(bytes[8], 0xFF);
            EXPECT_EQ(bytes[9] | (bytes[10] << 8), static_cast<int>(length));
            EXPECT_EQ(bytes.size(), 11 + length);
        }
        const ParsedLog parsed = ParseLog(Join(kHeader, bytes));
        ASSERT_EQ(parsed.Records.size(), 1u) << length;
        EXPECT_EQ(parsed.Records[0], record);
    }
}

// A longer text could not be read back; cut, the log stays readable.
TEST(LogLayout, OverlongTextsAreCutToWhatTheirKindHolds) {
    LogRecord key{0, KeyCreated{{0, std::string(300, 'k')}}};
    const Bytes keyBytes = EncodeRecord(key);
    EXPECT_EQ(keyBytes[8], 0xFF);
    EXPECT_EQ(keyBytes[9] | (keyBytes[10] << 8), 259);
    LogRecord file{0, FileCreated{std::string(70000, 'f')}};
    const ParsedLog parsed = ParseLog(Join(Join(kHeader, keyBytes), EncodeRecord(file)));
    ASSERT_FALSE(parsed.Fault.has_value());
    ASSERT_EQ(parsed.Records.size(), 2u);
    EXPECT_EQ(std::get<KeyCreated>(parsed.Records[0].Payload).Key.Path, std::string(259, 'k'));
    EXPECT_EQ(std::get<FileCreated>(parsed.Records[1].Payload).File, std::string(65535, 'f'));
}

}  // namespace
}  // namespace aw
