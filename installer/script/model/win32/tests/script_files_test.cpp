// Finding and loading the script beside the running program, with the real file functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "installer/script/model/tests/sample_script.h"
#include "installer/script/model/win32/script_files.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Worked out here with a generous buffer, not by the adapter under test.
std::string ProgramDirectory() {
    std::string name(32768, '\0');
    name.resize(GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size())));
    return name.substr(0, name.find_last_of('\\'));
}

class ScriptFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterEventClasses(registry));
        RemoveScripts();
    }
    void TearDown() override { RemoveScripts(); }

    void RemoveScripts() {
        DeleteFileA(install.c_str());
        RemoveDirectoryA(install.c_str());
        DeleteFileA(setup.c_str());
    }

    // The sample script with one event of every real class in place of its stand-ins.
    Bytes Script(const std::string& productName, bool shortInts = false) {
        InstallScript script = testing::SampleScript();
        script.Info.ProductName = productName;
        script.Events.Clear();
        for (std::int32_t code = 0; code <= 60; ++code) {
            if (auto event = registry.Create(code)) {
                event->Note = "event " + std::to_string(code);
                script.Events.Add(std::move(event));
            }
        }
        return WriteScript(script, shortInts, 302).value();
    }

    static void Put(const std::string& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good()) << path;
    }

    bool Load() { return LoadScript(files, registry, report, script); }

    const std::string directory = ProgramDirectory();
    const std::string install = directory + "\\install.inf";
    const std::string setup = directory + "\\setup.inf";
    Win32ScriptFiles files;
    testing::FakeReport report;
    EventRegistry registry{report};
    InstallScript script;
};

TEST_F(ScriptFilesTest, OwnDirectoryIsTheProgramsWithoutTrailingBackslash) {
    EXPECT_EQ(files.OwnDirectory(), directory);
    const std::string full = OwnModuleFileName();
    ASSERT_FALSE(full.empty());
    // A buffer far too small for the path grows until the whole name fits.
    EXPECT_EQ(OwnModuleFileName(4), full);
    EXPECT_EQ(OwnModuleFileName(static_cast<std::uint32_t>(full.size())), full);
    EXPECT_EQ(OwnModuleFileName(static_cast<std::uint32_t>(full.size() + 1)), full);
}

TEST_F(ScriptFilesTest, InstallInfIsUsedBeforeSetupInf) {
    Put(install, Script("from install.inf"));
    Put(setup, Script("from setup.inf", true));
    ASSERT_TRUE(Load());
    EXPECT_EQ(script.Info.ProductName, "from install.inf");

    ASSERT_TRUE(DeleteFileA(install.c_str()));
    ASSERT_TRUE(Load());
    EXPECT_EQ(script.Info.ProductName, "from setup.inf");

    // A directory that happens to carry the name is no script.
    ASSERT_TRUE(CreateDirectoryA(install.c_str(), nullptr));
    EXPECT_FALSE(files.FileExists(install));
    ASSERT_TRUE(Load());
    EXPECT_EQ(script.Info.ProductName, "from setup.inf");
    EXPECT_TRUE(report.Errors.empty());
}

TEST_F(ScriptFilesTest, NoScriptIsReported) {
    EXPECT_FALSE(Load());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"install.inf or setup.inf not found"});
    EXPECT_FALSE(script.Loaded);
}

TEST_F(ScriptFilesTest, TruncatedOrUnopenableScriptIsNamedByItsFullPath) {
    Bytes bytes = Script("cut short");
    bytes.resize(bytes.size() - 3);
    Put(install, bytes);
    EXPECT_FALSE(Load());
    EXPECT_FALSE(script.Loaded);

    ASSERT_TRUE(DeleteFileA(install.c_str()));
    Put(setup, Script("held open"));
    // Held without sharing, so that the loader cannot open it.
    HANDLE held = CreateFileA(setup.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Bytes read = {1, 2, 3};
    EXPECT_FALSE(files.ReadWholeFile(setup, read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(Load());
    CloseHandle(held);

    EXPECT_EQ(report.Errors,
              (std::vector<std::string>{"Unable to load " + install, "Unable to load " + setup}));
    EXPECT_TRUE(report.CheckUnits.empty());
}

TEST_F(ScriptFilesTest, WrittenScriptIsReadToTheEndAndLoadsWithEveryEventClass) {
    const Bytes bytes = Script("LineWink", true);
    Put(setup, bytes);
    Bytes read;
    ASSERT_TRUE(files.ReadWholeFile(setup, read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(files.ReadWholeFile(directory + "\\absent.inf", read));

    ASSERT_TRUE(Load());
    EXPECT_TRUE(script.Loaded);
    EXPECT_EQ(script.Info.ProductName, "LineWink");
    ASSERT_EQ(script.Events.Size(), registry.Count());
    EXPECT_EQ(script.Events.At(0)->Note,
              "event " + std::to_string(script.Events.At(0)->TypeCode()));
    EXPECT_TRUE(report.Errors.empty());
}

// A script padded to the largest size still loads (what follows its fields is ignored); one
// byte more is not even read.
TEST_F(ScriptFilesTest, ScriptsOverTheLargestSizeAreNotRead) {
    Bytes bytes = Script("padded");
    bytes.resize(kLargestScript);
    Put(install, bytes);
    EXPECT_TRUE(Load());
    bytes.push_back(0);
    Put(install, bytes);
    Bytes read = {1};
    EXPECT_FALSE(files.ReadWholeFile(install, read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(Load());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to load " + install});
}

}  // namespace
}  // namespace aw
