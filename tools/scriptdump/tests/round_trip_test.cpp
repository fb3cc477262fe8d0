// Script files to their JSON form and back: the same bytes, whatever the width and version.
#include <gtest/gtest.h>

#include <algorithm>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "installer/script/model/tests/sample_script.h"
#include "tools/scriptbuild/script_writer.h"
#include "tools/scriptdump/script_json.h"

namespace aw {
namespace {

using nlohmann::ordered_json;

using testing::Format;

// Every text gets its own value, full of what JSON must escape and of bytes above 0x7F.
void ReplaceTexts(ordered_json& json, int& counter) {
    if (json.is_string()) {
        json = "t" + std::to_string(counter++) + " \"q\" \\ \r\n\t\x01\x1f\x7f \u00e9\u00ff\u0080";
    } else if (json.is_object()) {
        for (auto& [key, value] : json.items()) {
            if (key != "class") {
                ReplaceTexts(value, counter);
            }
        }
    } else if (json.is_array()) {
        for (auto& value : json) {
            ReplaceTexts(value, counter);
        }
    }
}

class JsonRoundTrip : public ::testing::TestWithParam<Format> {
  protected:
    void SetUp() override { ASSERT_TRUE(RegisterEventClasses(registry)); }

    // The sample with one event of every entered class, each with its own common fields.
    std::vector<std::uint8_t> Written() {
        InstallScript script = testing::SampleScript();
        script.Events.Clear();
        for (std::int32_t code = 0; code <= 60; ++code) {
            if (auto event = registry.Create(code)) {
                event->UndoClass = code % 3;
                event->ComponentBound = code % 2;
                event->Note = "note " + std::to_string(code);
                script.Events.Add(std::move(event));
            }
        }
        auto bytes = WriteScript(script, GetParam().shortInts, GetParam().version);
        EXPECT_TRUE(bytes.has_value());
        return bytes.value_or(std::vector<std::uint8_t>{});
    }

    ordered_json Dumped(const std::vector<std::uint8_t>& bytes) {
        ScriptDump dump = DumpScriptFile(bytes, registry);
        EXPECT_EQ(dump.Error, "");
        return dump.Json;
    }

    testing::FakeReport report;
    EventRegistry registry{report};
};

TEST_P(JsonRoundTrip, PrintedDumpBuildsTheSameBytes) {
    const std::vector<std::uint8_t> bytes = Written();
    const ordered_json dump = Dumped(bytes);
    ASSERT_EQ(dump["EVENT"].size(), registry.Count());
    EXPECT_EQ(dump["width"], GetParam().shortInts ? 16 : 32);
    // As stored: an older file's version and change counter, not the upgrade the loader marks.
    EXPECT_EQ(dump["version"], GetParam().version);
    EXPECT_EQ(dump["RevisionStamp"]["value"][0], 41);

    const ScriptBuild build =
        BuildScriptFile(ordered_json::parse(dump.dump(2, ' ', true)), registry);
    EXPECT_EQ(build.Error, "");
    EXPECT_EQ(build.Bytes, bytes);
}

// Proves that every text of every record and event class is taken from the JSON, and that
// escapes and bytes above 0x7F come back unchanged.
TEST_P(JsonRoundTrip, EveryTextIsBuiltFromTheJson) {
    ordered_json changed = Dumped(Written());
    int counter = 0;
    ReplaceTexts(changed, counter);
    const std::string printed = changed.dump(2, ' ', true);
    EXPECT_NE(printed.find(R"(\"q\" \\ \r\n\t\u0001\u001f\u007f \u00e9\u00ff\u0080)"),
              std::string::npos);

    const ScriptBuild build = BuildScriptFile(ordered_json::parse(printed), registry);
    ASSERT_EQ(build.Error, "");
    EXPECT_EQ(Dumped(build.Bytes), changed);
    InstallScript loaded;
    ASSERT_EQ(ReadScript(build.Bytes, loaded, registry), ScriptReadResult::Loaded);
    EXPECT_EQ(loaded.Info.ProductName.substr(loaded.Info.ProductName.size() - 3), "\xe9\xff\x80");
}

// A 16-bit file stores a part of 65535 as FF FF, a 32-bit file as FF FF 00 00; either way the
// part dumps as 65535 and builds back into the same bytes.
TEST_P(JsonRoundTrip, DatePartsOfAllBitsSetComeBack) {
    InstallScript script = testing::SampleScript();
    script.Events.Clear();
    SystemTime& stamp = script.Description.Stamp;
    stamp.wYear = stamp.wMonth = stamp.wDay = stamp.wHour = stamp.wMinute = stamp.wSecond = 65535;
    const auto bytes = WriteScript(script, GetParam().shortInts, GetParam().version);
    ASSERT_TRUE(bytes.has_value());
    const std::vector<std::uint8_t> part = GetParam().shortInts
                                               ? std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}
                                               : std::vector<std::uint8_t>{0xFF, 0xFF, 0, 0};
    EXPECT_NE(std::search(bytes->begin(), bytes->end(), part.begin(), part.end()), bytes->end());

    const ordered_json dump = Dumped(*bytes);
    EXPECT_EQ(dump["ScriptDescription"]["stamp"]["year"], 65535);
    const ScriptBuild build = BuildScriptFile(dump, registry);
    EXPECT_EQ(build.Error, "");
    EXPECT_EQ(build.Bytes, *bytes);
}

std::vector<std::uint8_t> Replaced(std::vector<std::uint8_t> bytes,
                                   const std::vector<std::uint8_t>& from,
                                   const std::vector<std::uint8_t>& to) {
    const auto at = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
    EXPECT_NE(at, bytes.end());
    const auto offset = at - bytes.begin();
    bytes.erase(at, at + static_cast<std::ptrdiff_t>(from.size()));
    bytes.insert(bytes.begin() + offset, to.begin(), to.end());
    return bytes;
}

// What the loader takes but the builder never writes comes back in the builder's one form.
TEST(NonCanonicalScripts, BuildBackIntoTheCanonicalForm) {
    testing::FakeReport report;
    EventRegistry registry{report};
    ASSERT_TRUE(RegisterEventClasses(registry));
    auto rebuilt = [&](const std::vector<std::uint8_t>& bytes) {
        const ScriptDump dump = DumpScriptFile(bytes, registry);
        EXPECT_EQ(dump.Error, "");
        return BuildScriptFile(dump.Json, registry).Bytes;
    };
    InstallScript script;
    script.Info.ProductName = "abc";
    SetFixedText(script.FirstDirectory, "C:\\DIRX");
    const std::vector<std::uint8_t> canonical = WriteScript(script, true, 302).value();

    const std::vector<std::uint8_t> longLength =
        Replaced(canonical, {3, 'a', 'b', 'c'}, {0xFF, 3, 0, 'a', 'b', 'c'});
    EXPECT_EQ(rebuilt(longLength), canonical);

    std::vector<std::uint8_t> trailing = canonical;
    trailing.insert(trailing.end(), {1, 2, 3});
    EXPECT_EQ(rebuilt(trailing), canonical);

    const std::vector<std::uint8_t> withNul =
        Replaced(canonical, {7, 'C', ':', '\\', 'D'}, {7, 'C', ':', '\\', 0});
    SetFixedText(script.FirstDirectory, "C:\\");
    EXPECT_EQ(rebuilt(withNul), WriteScript(script, true, 302).value());
}

INSTANTIATE_TEST_SUITE_P(Formats, JsonRoundTrip, testing::EveryFormat(), testing::FormatName);

}  // namespace
}  // namespace aw
