// LineWink's own distribution builds from its source in the repository: here from stand-ins
// for the Windows programs, so that no Windows build is needed.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/common/file_bytes.h"
#include "tools/scriptdump/script_json.h"
#include "tools/scriptsource/tests/source_fixture.h"

namespace aw::testing {
namespace {

using Json = nlohmann::ordered_json;

class LineWinkDistributionTest : public SourceTest {
  protected:
    void SetUp() override {
        SourceTest::SetUp();
        ASSERT_EQ(BuildFile(LINEWINK_SOURCE), "");
        const ScriptDump dump = DumpScriptFile(Output("disk001/install.inf"), registry);
        ASSERT_EQ(dump.Error, "");
        script = dump.Json;
    }

    // The events of a class, in order.
    std::vector<Json> Events(const std::string& className) const {
        std::vector<Json> found;
        for (const Json& event : script["EVENT"]) {
            if (event["class"] == className) {
                found.push_back(event);
            }
        }
        return found;
    }

    Json script;
};

TEST_F(LineWinkDistributionTest, FilesCompressedInDiskFoldersWithTheInstallerBeside) {
    EXPECT_EQ(
        OutputFiles(),
        (std::set<std::string>{"disk001/CONNECT.WA_", "disk001/DISCONN.WA_", "disk001/LineWink.ex_",
                               "disk001/awdeu.dll", "disk001/aweng.dll", "disk001/awenu.dll",
                               "disk001/awfra.dll", "disk001/awmain.exe", "disk001/install.inf",
                               "disk001/lzpunz2.dll", "disk001/movexe.ex_", "disk001/setup.exe"}));
    for (const Json& file : script["BuildSet"]["DFLIST"]) {
        EXPECT_EQ(file["compressed"], 1) << file["fileName"];
        EXPECT_EQ(file["auxiliaryFile"], file["fileName"] == "movexe.exe" ? 1 : 0);
    }
}

// The welcome and the component choice are the custom handler's, at positions 2 and 4.
TEST_F(LineWinkDistributionTest, WelcomeFolderDialogAndComponentChoice) {
    EXPECT_EQ(script["ScriptInfo"]["productName"], "LineWink");
    EXPECT_EQ(script["BuildSet"]["BLDINFO"][0]["customHandler"], 1);
    EXPECT_EQ(script["EVENT"][2]["class"], "CustomStep");
    EXPECT_EQ(script["EVENT"][4]["class"], "CustomStep");
    ASSERT_EQ(Events("ShowUserDialog").size(), 1u);
    EXPECT_EQ(Events("ShowUserDialog")[0]["dialogName"], "FOLDER");
    const Json& folder = script["UDLIST"]["dialogs"][0];
    EXPECT_EQ(folder["name"], "FOLDER");
    EXPECT_EQ(folder["controls"][1]["value"][0], 2);
    EXPECT_EQ(folder["controls"][1]["text"][1], "i");
    std::vector<std::string> components;
    for (const Json& component : script["CMLIST"]) {
        components.push_back(component["name"]);
        for (const Json& position : component["events"]) {
            EXPECT_EQ(script["EVENT"][position.get<std::size_t>()]["componentBound"], 1);
        }
    }
    EXPECT_EQ(components, (std::vector<std::string>{"LineWink", "Sounds", "Start with Windows"}));
}

// The documentation shows the source whole, as it is.
TEST_F(LineWinkDistributionTest, TheDocumentationShowsThisSource) {
    const auto source = ReadFileBytes(LINEWINK_SOURCE);
    const auto doc = ReadFileBytes(SOURCE_FORM_DOC);
    ASSERT_TRUE(source && doc);
    EXPECT_NE(std::string(doc->begin(), doc->end())
                  .find("```json\n" + std::string(source->begin(), source->end()) + "```"),
              std::string::npos);
}

TEST_F(LineWinkDistributionTest, TheScriptBuildsBackFromItsDumpByteForByte) {
    const ScriptBuild rebuilt = BuildScriptFile(script, registry);
    EXPECT_EQ(rebuilt.Error, "");
    EXPECT_EQ(rebuilt.Bytes, Output("disk001/install.inf"));
}

TEST_F(LineWinkDistributionTest, SettingsMenuUninstallEntryAndCompletion) {
    const std::vector<Json> ini = Events("WriteIni");
    ASSERT_FALSE(ini.empty());
    for (const Json& entry : ini) {
        EXPECT_EQ(entry["file"], "$w\\LINEWINK.INI");
        // Defaults: a user's own settings stay.
        EXPECT_EQ(entry["mode"], 3);
    }
    ASSERT_EQ(Events("CreateItem").size(), 1u);
    EXPECT_EQ(Events("CreateItem")[0]["group"], "LineWink");
    ASSERT_EQ(Events("InstallUninstaller").size(), 1u);
    // Packed first, so that it lies on the first disk, which the installer reads first.
    EXPECT_EQ(Events("InstallUninstaller")[0]["auxiliaryFiles"]["IFLIST"], Json::array({0}));
    EXPECT_EQ(script["BuildSet"]["DFLIST"][0]["fileName"], "movexe.exe");
    EXPECT_EQ(script["EVENT"].back()["class"], "SetCompletion");
    EXPECT_EQ(script["EVENT"].back()["showDialog"], 1);
}

}  // namespace
}  // namespace aw::testing
