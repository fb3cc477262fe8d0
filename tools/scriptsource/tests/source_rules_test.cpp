// The defaults a source fills in beyond a new record's, and the rules that keep a source from
// saying two things at once.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/scriptsource/script_templates.h"
#include "tools/scriptsource/source_plan.h"
#include "tools/scriptsource/tests/source_fixture.h"

namespace aw::testing {
namespace {

using Json = nlohmann::ordered_json;

class SourceRulesTest : public SourceTest {
  protected:
    void SetUp() override {
        SourceTest::SetUp();
        Program("readme.txt", 10);
    }

    // The plan read from `source`; `error` receives the problem.
    SourcePlan Read(const std::string& source, std::string& error) {
        SourcePlan plan;
        error = ReadSource(Json::parse(source), {directory, programs},
                           MakeScriptTemplates(registry), plan);
        return plan;
    }

    Json Script(const std::string& source) {
        std::string error;
        SourcePlan plan = Read(source, error);
        EXPECT_EQ(error, "");
        return plan.Script;
    }

    std::string Error(const std::string& source) {
        std::string error;
        Read(source, error);
        return error;
    }
};

constexpr const char* kGroups = R"("files": [
    {"id": "packed", "folder": "{programs}", "pattern": "*.exe"},
    {"id": "plain", "folder": "{programs}", "pattern": "readme.txt", "compressed": false}],)";

TEST_F(SourceRulesTest, InstallFilesTakesItsSourceKindAndNamesFromItsFiles) {
    const Json script = Script(std::string(R"({"product": "P", )") + kGroups + R"(
        "events": [{"event": "InstallFiles", "files": ["packed"]},
                   {"event": "InstallFiles", "files": ["plain"], "wildcardSpec": "+*.TXT"}]})");
    EXPECT_EQ(script["EVENT"][0]["sourceKind"], 0);
    EXPECT_EQ(script["EVENT"][0]["wildcardSpec"], "+*.*");
    // Groups are numbered in order, each group's files by name.
    EXPECT_EQ(script["EVENT"][0]["files"]["IFLIST"], Json::array({0, 1, 2, 3}));
    EXPECT_EQ(script["EVENT"][1]["sourceKind"], 1);
    EXPECT_EQ(script["EVENT"][1]["wildcardSpec"], "+*.TXT");

    EXPECT_EQ(Error(std::string(R"({"product": "P", )") + kGroups +
                    R"("events": [{"event": "InstallFiles", "files": ["packed", "plain"]}]})"),
              "events[0].files: mixes compressed and stored files: give each kind its own event");
    EXPECT_EQ(
        Error(std::string(R"({"product": "P", )") + kGroups +
              R"("events": [{"event": "InstallFiles", "files": ["plain"], "sourceKind": 0}]})"),
        "events[0].sourceKind: the files are stored: it must be 1");
}

TEST_F(SourceRulesTest, ComponentEventsAreBoundUnlessTheSourceSaysOtherwise) {
    const Json script = Script(R"({"product": "P",
        "events": [{"id": "a", "event": "SetText", "variable": "i"},
                   {"id": "b", "event": "SetText", "variable": "w", "componentBound": 0},
                   {"event": "SetText", "variable": "y"}],
        "components": [{"name": "G", "children": ["L"]}, {"name": "L", "events": ["a", "b"]}]})");
    EXPECT_EQ(script["EVENT"][0]["componentBound"], 1);
    EXPECT_EQ(script["EVENT"][1]["componentBound"], 0);
    EXPECT_EQ(script["EVENT"][2]["componentBound"], 0);
    EXPECT_EQ(script["CMLIST"][0]["leaf"], 0);
    EXPECT_EQ(script["CMLIST"][0]["children"], Json::array({1}));
    EXPECT_EQ(script["CMLIST"][1]["firstValue"], "1");
    EXPECT_EQ(Error(R"({"product": "P", "components": [{"name": "X"}]})"),
              "components[0]: a component has either \"events\" (what it installs) or "
              "\"children\" (the components it groups)");
}

TEST_F(SourceRulesTest, LanguagesShipTheDefaultAndTheAvailableOnes) {
    std::string error;
    const SourcePlan plan =
        Read(R"({"product": "P", "languages": {"default": "fra", "available": ["deu"]}})", error);
    EXPECT_EQ(plan.Languages, (std::vector<std::string>{"fra", "deu"}));
    EXPECT_EQ(plan.Script["LanguageSet"]["first"], 5);
    EXPECT_EQ(plan.Script["LanguageSet"]["flag"][1], 1);
    EXPECT_EQ(Script(R"({"product": "P"})")["LanguageSet"]["first"], 3);
    EXPECT_EQ(Error(R"({"product": "P", "version": 301, "languages": {"available": ["ptg"]}})"),
              "languages.available: version 301 knows only the first 11 languages");
}

TEST_F(SourceRulesTest, NamesMustNotRepeat) {
    EXPECT_EQ(Error(R"({"product": "P", "dialogs": [{"name": "Ask"}, {"name": "ASK"}]})"),
              "dialogs[1].name: another dialog has the name \"ASK\" (names ignore case)");
    EXPECT_EQ(Error(R"({"product": "P", "events": [{"id": "a", "event": "EndProgress"},
                                                   {"id": "a", "event": "EndProgress"}]})"),
              "events[1].id: another event has the id \"a\"");
}

}  // namespace
}  // namespace aw::testing
