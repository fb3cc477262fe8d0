// The encoding of single field kinds, read and written.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "installer/script/model/install_script.h"
#include "installer/script/model/script_reader.h"
#include "installer/script/model/tests/fakes/fake_events.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Join(Bytes head, const std::string& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

class ScriptFieldEncoding : public ::testing::Test {
  protected:
    // The reader keeps only a view, so the fixture keeps the bytes.
    ScriptReader& Reader(Bytes bytes, bool shortInts = false) {
        files.push_back(std::move(bytes));
        readers.push_back(std::make_unique<ScriptReader>(files.back(), script, events));
        readers.back()->SetShortInts(shortInts);
        return *readers.back();
    }

    std::deque<Bytes> files;
    std::vector<std::unique_ptr<ScriptReader>> readers;
    InstallScript script;
    testing::FakeEventFactory events;
};

TEST_F(ScriptFieldEncoding, TextLengthTakesOneByteUpTo254) {
    ScriptWriter writer(script, false, 302);
    std::string text254(254, 'a');
    std::string text255(255, 'b');
    writer.Text("short", text254);
    writer.Text("long", text255);
    const Bytes expected =
        Join(Join(Join({0xFE}, text254), "\xFF\xFF"), std::string(1, '\0') + text255);
    EXPECT_EQ(writer.Bytes(), expected);

    ScriptReader& reader = Reader(expected);
    std::string first, second;
    EXPECT_TRUE(reader.ReadText(first));
    EXPECT_TRUE(reader.ReadText(second));
    EXPECT_EQ(first, text254);
    EXPECT_EQ(second, text255);
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST_F(ScriptFieldEncoding, ShortIntsAreSignExtendedAndUintsZeroExtended) {
    ScriptWriter writer(script, true, 302);
    std::int32_t minusOne = -1;
    std::uint32_t big = 65535;
    writer.Int("int", minusOne);
    writer.Uint("uint", big);
    writer.Long("long", minusOne);
    EXPECT_EQ(writer.Bytes(), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));

    ScriptReader& reader = Reader(writer.Bytes(), true);
    std::int32_t value = 0;
    std::uint32_t unsignedValue = 0;
    std::int32_t longValue = 0;
    EXPECT_TRUE(reader.ReadInt(value));
    EXPECT_TRUE(reader.ReadUint(unsignedValue));
    EXPECT_TRUE(reader.ReadLong(longValue));
    EXPECT_EQ(value, -1);
    EXPECT_EQ(unsignedValue, 65535u);
    EXPECT_EQ(longValue, -1);
}

TEST_F(ScriptFieldEncoding, WriterRefusesIntsThatSixteenBitsCannotHold) {
    ScriptWriter writer(script, true, 302);
    std::int32_t value = 40000;
    writer.Int("int", value);
    EXPECT_TRUE(writer.Failed());
}

// A fixed text has room for 259 characters; a longer one rejects the file.
TEST_F(ScriptFieldEncoding, FixedTextOverItsRoomFails) {
    FixedText text{};
    ScriptReader& fits = Reader(Join({0xFF, 0x03, 0x01}, std::string(259, 'x')));
    fits.FixedText("fits", text);
    EXPECT_FALSE(fits.Failed());
    EXPECT_EQ(FixedTextValue(text), std::string(259, 'x'));

    ScriptReader& over = Reader(Join({0xFF, 0x04, 0x01}, std::string(260, 'y')));
    over.FixedText("over", text);
    EXPECT_TRUE(over.Failed());
}

TEST_F(ScriptFieldEncoding, ReadsNeverPassTheEnd) {
    std::string text;
    std::int32_t value = 0;
    EXPECT_FALSE(Reader({0x05, 'a', 'b'}).ReadText(text));
    EXPECT_FALSE(Reader({0xFF, 0x01}).ReadText(text));
    EXPECT_FALSE(Reader({0x01, 0x02, 0x03}).ReadLong(value));
    EXPECT_FALSE(Reader({0x01}, true).ReadInt(value));
}

// A count that the rest of the file cannot hold fails before anything is made for it.
TEST_F(ScriptFieldEncoding, ListCountsBeyondTheFileFail) {
    RecordList<DirectoryPair> pairs;
    ScriptReader& two = Reader({0x02, 0, 0, 0, 0x01, 'a', 0x01, 'b'});
    two.List("pairs", pairs);
    EXPECT_TRUE(two.Failed());

    RecordList<DirectoryPair> untouched;
    ScriptReader& huge = Reader({0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00});
    huge.List("pairs", untouched);
    EXPECT_TRUE(huge.Failed());
    EXPECT_TRUE(untouched.Empty());

    std::vector<Reference<DistributionFile>> references;
    ScriptReader& negative = Reader({0xFF, 0xFF, 0xFF, 0xFF});
    negative.ReferenceList("files", references, script.Build.Files);
    EXPECT_TRUE(negative.Failed());

    ScriptReader& empty = Reader({0, 0, 0, 0});
    empty.List("pairs", pairs);
    EXPECT_FALSE(empty.Failed());
    EXPECT_TRUE(pairs.Empty());
}

TEST_F(ScriptFieldEncoding, ReadingStopsAtTheFirstFailure) {
    ScriptReader& reader = Reader({0x01, 0x00});
    std::int32_t first = 7;
    std::int32_t second = 7;
    reader.Long("first", first);
    reader.Int("second", second);
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(second, 7);
}

}  // namespace
}  // namespace aw
