// Finding and loading the script, and what a bad file does.
#include <gtest/gtest.h>

#include <limits>

#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_events.h"
#include "installer/script/model/tests/fakes/fake_files.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "installer/script/model/tests/sample_script.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;
const char* const kInstall = "C:\\SETUP\\install.inf";
const char* const kSetup = "C:\\SETUP\\setup.inf";

class ScriptLoader : public ::testing::Test {
  protected:
    static Bytes Write(InstallScript script, bool shortInts = false, std::int32_t version = 302) {
        return WriteScript(script, shortInts, version).value();
    }

    ScriptReadResult Read(const Bytes& bytes) { return ReadScript(bytes, script, events); }

    bool Load() { return LoadScript(files, events, report, script); }

    testing::FakeFiles files;
    testing::FakeEventFactory events;
    testing::FakeReport report;
    InstallScript script;
};

TEST_F(ScriptLoader, InstallInfWinsOverSetupInf) {
    InstallScript first = testing::SampleScript();
    first.Info.ProductName = "from install.inf";
    files.Files[kInstall] = Write(std::move(first));
    files.Files[kSetup] = Write(testing::SampleScript());
    EXPECT_TRUE(Load());
    EXPECT_EQ(script.Info.ProductName, "from install.inf");

    files.Files.erase(kInstall);
    EXPECT_TRUE(Load());
    EXPECT_EQ(script.Info.ProductName, "LineWink");
    EXPECT_TRUE(report.Errors.empty());
}

TEST_F(ScriptLoader, MissingScriptIsNamed) {
    files.Files["C:\\SETUP\\other.inf"] = Write(testing::SampleScript());
    EXPECT_FALSE(Load());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"install.inf or setup.inf not found"});

    // An unknown program directory is not taken for the root of the drive.
    files.Directory.clear();
    files.Files["\\install.inf"] = Write(testing::SampleScript());
    EXPECT_FALSE(FindScript(files).has_value());
}

TEST_F(ScriptLoader, UnreadableScriptGivesItsPath) {
    files.Files[kSetup] = Write(testing::SampleScript());
    files.Unreadable = true;
    EXPECT_FALSE(Load());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to load C:\\SETUP\\setup.inf"});
}

// Cut after each byte in turn: every prefix fails cleanly and leaves nothing behind.
TEST_F(ScriptLoader, EveryTruncationFails) {
    for (bool shortInts : {true, false}) {
        const Bytes whole = Write(testing::SampleScript(), shortInts);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            ASSERT_EQ(Read(cut), ScriptReadResult::Malformed) << length;
            ASSERT_TRUE(script.Events.Empty() && script.Build.Files.Empty()) << length;
        }
    }
    files.Files[kInstall] = Write(testing::SampleScript());
    files.Files[kInstall].pop_back();
    EXPECT_FALSE(Load());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to load C:\\SETUP\\install.inf"});
    EXPECT_FALSE(script.Loaded);
}

TEST_F(ScriptLoader, BytesAfterTheLastFieldAreIgnored) {
    Bytes bytes = Write(testing::SampleScript());
    bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    EXPECT_EQ(Read(bytes), ScriptReadResult::Loaded);
}

TEST_F(ScriptLoader, HeaderMustHaveAKnownWidthAndVersion) {
    Bytes bytes = Write(testing::SampleScript());
    bytes[0] = 0x30;
    EXPECT_EQ(Read(bytes), ScriptReadResult::Malformed);
    EXPECT_EQ(Read(Write(testing::SampleScript(), false, 299)), ScriptReadResult::Malformed);
    EXPECT_EQ(Read(Write(testing::SampleScript(), true, 303)), ScriptReadResult::Malformed);
}

TEST_F(ScriptLoader, FieldValuesOutsideTheirRangeFail) {
    const auto readWith = [this](auto change) {
        InstallScript bad = testing::SampleScript();
        change(bad);
        return Read(Write(std::move(bad)));
    };
    EXPECT_EQ(readWith([](InstallScript& s) { s.Screen.SizeMode = 4; }),
              ScriptReadResult::Malformed);
    EXPECT_EQ(readWith([](InstallScript& s) { s.Screen.Height = -1; }),
              ScriptReadResult::Malformed);
    EXPECT_EQ(readWith([](InstallScript& s) { s.Screen.BackgroundMode = 3; }),
              ScriptReadResult::Malformed);
    EXPECT_EQ(readWith([](InstallScript& s) { s.Events.At(1)->UndoClass = 3; }),
              ScriptReadResult::Malformed);
    EXPECT_EQ(readWith([](InstallScript& s) {
                  s.Screen.SizeMode = 3;
                  s.Screen.Width = std::numeric_limits<std::int32_t>::max();
                  s.Screen.BackgroundMode = 2;
              }),
              ScriptReadResult::Loaded);
}

struct UnknownEvent : Event {
    std::int32_t TypeCode() const override { return 13; }
    void ClassFields(FieldVisitor&) override {}
};

TEST_F(ScriptLoader, UnknownEventTypeIsACheckFailure) {
    InstallScript bad = testing::SampleScript();
    bad.Events.Add(std::make_unique<UnknownEvent>());
    files.Files[kInstall] = Write(std::move(bad));
    EXPECT_FALSE(Load());
    EXPECT_EQ(report.CheckUnits, std::vector<std::string>{"EVENT"});
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to load C:\\SETUP\\install.inf"});
}

TEST_F(ScriptLoader, ReferencesOutsideTheirListResolveToNothing) {
    InstallScript sample = testing::SampleScript();
    sample.Build.Files.Clear();
    for (int i = 0; i < 3; ++i) {
        sample.Build.Files.AddNew();
    }
    sample.Build.CurrentStyle = -1;
    static_cast<testing::FakeFilesEvent*>(sample.Events.At(1))->Files.Files = {{5, nullptr},
                                                                               {-1, nullptr}};
    ASSERT_EQ(Read(Write(std::move(sample), true)), ScriptReadResult::Loaded);
    const auto& refs = static_cast<testing::FakeFilesEvent*>(script.Events.At(1))->Files.Files;
    EXPECT_EQ(refs[0].Position, 5);
    EXPECT_EQ(refs[0].Target, nullptr);
    EXPECT_EQ(refs[1].Target, nullptr);
    EXPECT_EQ(script.Build.CurrentStyle, -1);
    EXPECT_EQ(script.Build.Current(), nullptr);
}

// A new load starts from an empty model, whatever the last one left.
TEST_F(ScriptLoader, ReloadingEmptiesTheLists) {
    ASSERT_EQ(Read(Write(testing::SampleScript())), ScriptReadResult::Loaded);
    InstallScript small;
    EXPECT_EQ(Read(Write(std::move(small), false, 300)), ScriptReadResult::Loaded);
    EXPECT_TRUE(script.Events.Empty());
    EXPECT_TRUE(script.Components.Empty());
    EXPECT_TRUE(script.Build.Files.Empty());
}

}  // namespace
}  // namespace aw
