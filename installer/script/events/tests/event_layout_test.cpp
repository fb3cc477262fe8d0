// Every event class's fields in file order, against a table written from the file format by
// hand. Round trips cannot catch a wrong order or kind, since the reader and the writer walk
// the same field table; this test encodes each class from the table itself and reads it back.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/install_script.h"
#include "installer/script/model/script_reader.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

using Kinds = std::vector<std::string>;

Kinds Repeat(int count, const std::string& kind) {
    return Kinds(static_cast<std::size_t>(count), kind);
}

Kinds Join(std::initializer_list<Kinds> parts) {
    Kinds joined;
    for (const Kinds& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

const Kinds kNone;
const Kinds kOneText = {"text"};
const Kinds kTwoTexts = {"text", "text"};

// The class fields of each type code, after the fields every event has. "list" is a list with
// a long count (an install-file list is one).
const std::map<std::int32_t, Kinds> kClassFields = {
    {0, {"int", "text"}},
    {1, Join({{"int", "int"}, Repeat(6, "text")})},
    {2, kNone},
    {3, Join({Repeat(13, "int"), {"list", "list"}, Repeat(6, "text")})},
    {4, Join({{"int", "int"}, Repeat(5, "text")})},
    {5, Join({{"int"}, Repeat(4, "text")})},
    {6, Join({{"int", "int"}, Repeat(3, "text")})},
    {7, Join({Repeat(3, "int"), Repeat(5, "text")})},
    {8, Repeat(3, "int")},
    {9, kOneText},
    {10, {"text", "int", "int", "int"}},
    {11, {"int", "text"}},
    {12, Join({Repeat(4, "int"), Repeat(5, "text")})},
    {14, kOneText},
    {15, kOneText},
    {16, kOneText},
    {17, kTwoTexts},
    {18, kOneText},
    {19, kTwoTexts},
    {20, kTwoTexts},
    {21, Join({{"int"}, Repeat(3, "text")})},
    {22, Join({Repeat(6, "int"), Repeat(4, "text")})},
    {23, Repeat(6, "text")},
    {24, Join({{"int"}, Repeat(4, "text")})},
    {25, kTwoTexts},
    {26, kTwoTexts},
    {27, Repeat(3, "text")},
    {28, {"int", "text", "text"}},
    {29, kTwoTexts},
    {30, kOneText},
    {31, kOneText},
    {32, kOneText},
    {33, {"int", "int", "long"}},
    {34, kNone},
    {35, kNone},
    {36, kNone},
    {37, kNone},
    {38, kNone},
    {39, kNone},
    {40, kNone},
    {41, Join({{"list"}, Repeat(4, "text"), {"fixed text", "int"}})},
    {42, kTwoTexts},
    {43, kOneText},
    {44, kOneText},
    {45, kTwoTexts},
    {46, kOneText},
    {47, kOneText},
    {48, kTwoTexts},
    {49, {"int", "int", "long", "text", "text"}},
    {50, kNone},
    {51, kOneText},
    {52, kTwoTexts},
    {53, kOneText},
};

// Undo class, component-bound flag, condition, note.
const Kinds kCommonFields = {"int", "int", "text", "text"};

// Field n of the table gets its own value: n + 1 for numbers, "f" and n for texts.
std::string ValueOf(std::size_t n, const std::string& kind) {
    if (kind == "list") {
        return "0 elements";
    }
    return kind == "text" || kind == "fixed text" ? "f" + std::to_string(n) : std::to_string(n + 1);
}

// One event list of one element, encoded from the table alone.
std::vector<std::uint8_t> Encode(std::int32_t typeCode, const Kinds& kinds, bool shortInts) {
    std::vector<std::uint8_t> bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    const int intSize = shortInts ? 2 : 4;
    put(1, 4);  // the list's count
    put(static_cast<std::uint32_t>(typeCode), intSize);
    for (std::size_t n = 0; n < kinds.size(); ++n) {
        const std::string value = ValueOf(n, kinds[n]);
        if (kinds[n] == "int") {
            put(static_cast<std::uint32_t>(n + 1), intSize);
        } else if (kinds[n] == "long") {
            put(static_cast<std::uint32_t>(n + 1), 4);
        } else if (kinds[n] == "list") {
            put(0, 4);
        } else {
            put(static_cast<std::uint32_t>(value.size()), 1);
            bytes.insert(bytes.end(), value.begin(), value.end());
        }
    }
    return bytes;
}

// The kinds and values of an event's fields as its class walks them.
class LayoutRecorder : public FieldVisitor {
  public:
    explicit LayoutRecorder(InstallScript& script) : FieldVisitor(script, FieldPass::Inspect) {}

    using FieldVisitor::CharText;
    using FieldVisitor::Int;
    void Int(const char*, std::int32_t& value) override { Put("int", std::to_string(value)); }
    void Uint(const char*, std::uint32_t& value) override { Put("uint", std::to_string(value)); }
    void Long(const char*, std::int32_t& value) override { Put("long", std::to_string(value)); }
    void Text(const char*, std::string& value) override { Put("text", value); }
    void CharText(const char*, char* buffer, std::size_t size) override {
        Put(size == kFixedTextSize ? "fixed text" : "char text", buffer);
    }
    void BeginList(const char*) override {
        kinds.push_back("list");
        inList = true;
    }
    void EndList() override {
        values.push_back(std::to_string(count) + " elements");
        inList = false;
    }

    Kinds kinds;
    std::vector<std::string> values;

  private:
    void Put(const std::string& kind, const std::string& value) {
        if (inList) {
            count = std::stoi(value);  // the count comes first; events hold empty lists here
            return;
        }
        kinds.push_back(kind);
        values.push_back(value);
    }
    bool inList = false;
    int count = 0;
};

class EventLayout : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(RegisterEventClasses(registry)); }

    testing::FakeReport report;
    EventRegistry registry{report};
};

TEST_F(EventLayout, TheTableNamesEveryClassAndNoOther) {
    for (std::int32_t code = -1; code <= 60; ++code) {
        EXPECT_EQ(registry.Create(code) != nullptr, kClassFields.count(code) == 1) << code;
    }
}

TEST_F(EventLayout, EachClassReadsItsFieldsInTheTablesOrderAndKinds) {
    for (const auto& [code, classFields] : kClassFields) {
        const Kinds kinds = Join({kCommonFields, classFields});
        std::vector<std::string> values;
        for (std::size_t n = 0; n < kinds.size(); ++n) {
            values.push_back(ValueOf(n, kinds[n]));
        }
        for (bool shortInts : {true, false}) {
            SCOPED_TRACE(std::to_string(code) + (shortInts ? " in a 16-bit file" : " in 32 bits"));
            const std::vector<std::uint8_t> bytes = Encode(code, kinds, shortInts);
            InstallScript script;
            ScriptReader reader(bytes, script, registry);
            reader.SetShortInts(shortInts);
            reader.Events("EVENT", script.Events);
            ASSERT_FALSE(reader.Failed());
            EXPECT_EQ(reader.Remaining(), 0u);
            ASSERT_EQ(script.Events.Size(), 1u);

            LayoutRecorder recorder(script);
            script.Events.At(0)->Fields(recorder);
            EXPECT_EQ(recorder.kinds, kinds);
            EXPECT_EQ(recorder.values, values);
        }
    }
}

}  // namespace
}  // namespace aw
