// The exact form of a small dump, and the builder's answers to JSON it cannot build.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/events/family_events.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "tools/scriptbuild/script_writer.h"
#include "tools/scriptdump/script_json.h"

namespace aw {
namespace {

using nlohmann::ordered_json;

// A version 301 script in a 16-bit file: one file, one event, one component.
InstallScript TinyScript() {
    InstallScript script;
    script.Revision.Values = {3, 0, 0, 0, -1};
    script.Info.ProductName = "Tiny \"one\" \xe9";
    DistributionFile& file = script.Build.Files.AddNew();
    file.FileName = "TINY.EXE";
    file.FirstSize = 70000;
    auto event = std::make_unique<SetText>();
    event->Variable = "path";
    event->Value = "C:\\TINY";
    script.Events.Add(std::move(event));
    script.Additional.Files.Files = {{0, nullptr}};
    Component& component = script.Components.AddNew();
    component.Leaf = 1;
    component.Name = "Program";
    component.Events = {{0, nullptr}};
    script.Description.Stamp.wYear = 1998;
    SetFixedText(script.FirstDirectory, "C:\\TINY");
    return script;
}

std::string GoldenText() {
    std::ifstream file(SCRIPTDUMP_TEST_DIR "/tiny_script.json", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class JsonForm : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(RegisterEventClasses(registry)); }

    ordered_json TinyDump() {
        InstallScript script = TinyScript();
        return DumpScript(script, registry, true, 301);
    }

    // The builder's message for the tiny dump changed at `pointer`.
    std::string BuildError(const std::string& pointer, const ordered_json& value) {
        ordered_json json = TinyDump();
        json[ordered_json::json_pointer(pointer)] = value;
        return BuildScriptFile(json, registry).Error;
    }

    testing::FakeReport report;
    EventRegistry registry{report};
};

TEST_F(JsonForm, TinyScriptDumpsToTheGoldenText) {
    EXPECT_EQ(TinyDump().dump(2, ' ', true) + "\n", GoldenText());
    InstallScript script = TinyScript();
    const ScriptBuild build = BuildScriptFile(ordered_json::parse(GoldenText()), registry);
    EXPECT_EQ(build.Error, "");
    EXPECT_EQ(build.Bytes, WriteScript(script, true, 301));
}

TEST_F(JsonForm, EventClassMustMatchItsTypeCode) {
    EXPECT_EQ(BuildError("/EVENT/0/class", "SetInteger"),
              "EVENT[0].typeCode: 19 is not the type code of SetInteger, which is 20");
    EXPECT_EQ(BuildError("/EVENT/0/class", "NoSuchEvent"),
              "EVENT[0].class: unknown event class \"NoSuchEvent\"");
    EXPECT_EQ(BuildError("/EVENT/0/class", 19),
              "EVENT[0].class: expected the name of an event class");
}

TEST_F(JsonForm, WrongTypesAndValuesNameTheirPath) {
    EXPECT_EQ(BuildError("/BuildSet/currentStyle", "0"),
              "BuildSet.currentStyle: expected an integer");
    EXPECT_EQ(BuildError("/BuildSet/currentStyle", 1.5),
              "BuildSet.currentStyle: expected an integer");
    EXPECT_EQ(BuildError("/BuildSet/currentStyle", 40000),
              "BuildSet.currentStyle: 40000 does not fit a 16-bit int (-32768 to 32767)");
    EXPECT_EQ(BuildError("/SetupOptions/first", -1),
              "SetupOptions.first: -1 does not fit a 16-bit uint (0 to 65535)");
    EXPECT_EQ(BuildError("/BuildSet/DFLIST/0/firstSize", 4294967296u),
              "BuildSet.DFLIST[0].firstSize: 4294967296 does not fit a long "
              "(-2147483648 to 2147483647)");
    EXPECT_EQ(BuildError("/BuildSet/DFLIST", ordered_json::object()),
              "BuildSet.DFLIST: expected an array");
    EXPECT_EQ(BuildError("/ScriptInfo", ordered_json::array()), "ScriptInfo: expected an object");
    EXPECT_EQ(BuildError("/ScriptInfo/productName", "\u0100"),
              "ScriptInfo.productName: holds a character beyond U+00FF, which no script byte "
              "stands for");
    EXPECT_EQ(BuildError("/firstDirectory", std::string(260, 'x')),
              "firstDirectory: is longer than 259 characters");
    EXPECT_EQ(BuildError("/firstDirectory", std::string("a\0b", 3)),
              "firstDirectory: holds a NUL character, which ends a fixed text");
}

// A part is a word of the system's time record in either width, and only that.
TEST_F(JsonForm, DatePartsMustFitTheTimeRecord) {
    EXPECT_EQ(BuildError("/ScriptDescription/stamp/year", -1),
              "ScriptDescription.stamp.year: -1 does not fit a date-time part (0 to 65535)");
    ordered_json json = TinyDump();
    json["width"] = 32;
    json["ScriptDescription"]["stamp"]["year"] = 70000;
    EXPECT_EQ(BuildScriptFile(json, registry).Error,
              "ScriptDescription.stamp.year: 70000 does not fit a date-time part (0 to 65535)");
    json["ScriptDescription"]["stamp"]["year"] = 65535;
    EXPECT_EQ(BuildScriptFile(json, registry).Error, "");
}

// The builder refuses what the installer's loader would refuse.
TEST_F(JsonForm, ValuesTheLoaderRefusesAreRefused) {
    EXPECT_EQ(BuildError("/EVENT/0/UndoClass", 3),
              "EVENT[0].UndoClass: value outside the range the installer accepts");
    EXPECT_EQ(BuildError("/ScreenLayout/sizeMode", 4),
              "ScreenLayout.sizeMode: value outside the range the installer accepts");
    EXPECT_EQ(BuildError("/width", 24), "width: must be 16 or 32");
    EXPECT_EQ(BuildError("/version", 303), "version: must be 300, 301 or 302");
    // Components do not exist before 301.
    EXPECT_EQ(BuildError("/version", 300), "CMLIST: unknown field");
}

TEST_F(JsonForm, FieldsMustBeThoseOfTheRecord) {
    EXPECT_EQ(BuildError("/ScriptInfo/extra", 1), "ScriptInfo.extra: unknown field");
    EXPECT_EQ(BuildError("/RevisionStamp/value", {1, 2, 3}),
              "RevisionStamp.value: has fewer values than this record has fields of the name");
    EXPECT_EQ(BuildError("/RevisionStamp/value", {1, 2, 3, 4, 5, 6}),
              "RevisionStamp.value: has more values than this record has fields of the name");
    EXPECT_EQ(BuildError("/RevisionStamp/value", 1),
              "RevisionStamp.value: this record has the field more than once: give its values as "
              "an array");

    ordered_json json = TinyDump();
    json["EVENT"][0].erase("condition");
    InstallScript script;
    ScriptFormat format;
    EXPECT_EQ(BuildScript(json, registry, script, format), "EVENT[0].condition: missing");
    EXPECT_TRUE(script.Events.Empty());
    EXPECT_EQ(BuildScriptFile(ordered_json::array(), registry).Error,
              "the script must be a JSON object");
}

}  // namespace
}  // namespace aw
