// The command line on real files: dump, build, and the messages of each failure.
#include "tools/scriptdump/scriptdump_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "installer/script/events/family_events.h"
#include "tools/common/tests/command_test.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

namespace fs = std::filesystem;

class ScriptDumpCommand : public testing::CommandTest<> {
  protected:
    ScriptDumpCommand() : CommandTest(RunScriptDump) {}

    void Save(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Load(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    }
};

TEST_F(ScriptDumpCommand, DumpBuildsBackIntoTheSameFile) {
    InstallScript script;
    script.Info.ProductName = "line\nwith \xff";
    script.Events.Add(std::make_unique<GetWindowsDir>());
    const auto bytes = WriteScript(script, false, 302);
    ASSERT_TRUE(bytes.has_value());
    Save(PathOf("install.inf"), std::string(bytes->begin(), bytes->end()));

    ASSERT_EQ(Run({PathOf("install.inf")}), 0) << err.str();
    EXPECT_NE(out.str().find("\"productName\": \"line\\nwith \\u00ff\""), std::string::npos);
    EXPECT_NE(out.str().find("\"class\": \"GetWindowsDir\""), std::string::npos);
    Save(PathOf("install.json"), out.str());
    ASSERT_EQ(Run({"--build", PathOf("install.json"), PathOf("rebuilt.inf")}), 0) << err.str();
    EXPECT_EQ(Load(PathOf("rebuilt.inf")), Load(PathOf("install.inf")));
}

TEST_F(ScriptDumpCommand, FailuresGoToTheErrorStreamWithExitCodeOne) {
    EXPECT_EQ(Run({PathOf("missing.inf")}), 1);
    EXPECT_EQ(err.str(), "Unable to load " + PathOf("missing.inf") + "\n");

    Save(PathOf("bad.inf"), std::string("\x30\x2e\x01", 3));
    EXPECT_EQ(Run({PathOf("bad.inf")}), 1);
    EXPECT_EQ(err.str(),
              "Unable to load " + PathOf("bad.inf") + ": not a readable install script\n");
    EXPECT_EQ(out.str(), "");

    Save(PathOf("bad.json"), "{\"width\": ");
    EXPECT_EQ(Run({"--build", PathOf("bad.json"), PathOf("out.inf")}), 1);
    EXPECT_EQ(err.str().rfind(PathOf("bad.json") + ": [json.exception.parse_error", 0), 0u);
    Save(PathOf("huge.json"), "[1e999]");
    EXPECT_EQ(Run({"--build", PathOf("huge.json"), PathOf("out.inf")}), 1);
    EXPECT_EQ(err.str().rfind(PathOf("huge.json") + ": [json.exception.out_of_range", 0), 0u);

    Save(PathOf("wrong.json"), R"({"width": 16, "version": 299})");
    EXPECT_EQ(Run({"--build", PathOf("wrong.json"), PathOf("out.inf")}), 1);
    EXPECT_EQ(err.str(), PathOf("wrong.json") + ": version: must be 300, 301 or 302\n");
    EXPECT_FALSE(fs::exists(PathOf("out.inf")));

    EXPECT_EQ(Run({}), 1);
    EXPECT_EQ(err.str().rfind("usage: scriptdump", 0), 0u);
}

}  // namespace
}  // namespace aw
