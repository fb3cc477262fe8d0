// Scripts written by the builder's writer and read back by the installer's reader.
#include <gtest/gtest.h>

#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_events.h"
#include "installer/script/model/tests/sample_script.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

using testing::FakeEventFactory;
using testing::FakeFilesEvent;
using testing::FakeMessageEvent;

using testing::Format;

class ScriptRoundTrip : public ::testing::TestWithParam<Format> {
  protected:
    std::vector<std::uint8_t> Written() {
        InstallScript sample = testing::SampleScript();
        auto bytes = WriteScript(sample, GetParam().shortInts, GetParam().version);
        EXPECT_TRUE(bytes.has_value());
        return bytes.value_or(std::vector<std::uint8_t>{});
    }

    FakeEventFactory events;
};

TEST_P(ScriptRoundTrip, RewritingTheLoadedModelGivesTheSameBytes) {
    const std::vector<std::uint8_t> bytes = Written();
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], GetParam().shortInts ? 0x10 : 0x20);
    InstallScript loaded;
    ASSERT_EQ(ReadScript(bytes, loaded, events), ScriptReadResult::Loaded);
    loaded.Revision = loaded.LoadedRevision;
    EXPECT_EQ(WriteScript(loaded, GetParam().shortInts, GetParam().version), bytes);
}

TEST_P(ScriptRoundTrip, ValuesAndReferencesComeBack) {
    InstallScript loaded;
    ASSERT_EQ(ReadScript(Written(), loaded, events), ScriptReadResult::Loaded);
    EXPECT_TRUE(loaded.Loaded);
    EXPECT_EQ(loaded.Info.ProductName, "LineWink");
    EXPECT_EQ(loaded.Build.Files.At(1)->FileName, "FILE1.DAT");
    EXPECT_EQ(loaded.Build.Files.At(2)->Third, -2);
    EXPECT_EQ(loaded.Build.Files.At(0)->SecondSize, -70000);
    EXPECT_EQ(loaded.Options.First, 40000u);
    EXPECT_EQ(loaded.Description.Texts[7], std::string(300, 'd'));
    EXPECT_EQ(loaded.Description.Stamp.wYear, 1997);
    EXPECT_EQ(loaded.Description.Stamp.wSecond, 59);

    ASSERT_NE(loaded.Build.Current(), nullptr);
    const BuildStyle& style = *loaded.Build.Current();
    EXPECT_EQ(style.FileList.At(0)->File.Target, loaded.Build.Files.At(1));
    EXPECT_EQ(style.Files.Files[0].Target, loaded.Build.Files.At(2));
    EXPECT_EQ(FixedTextValue(style.RunDirectory), "C:\\BUILDER");

    ASSERT_EQ(loaded.Events.Size(), 2u);
    auto* message = dynamic_cast<FakeMessageEvent*>(loaded.Events.At(0));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->UndoClass, 2);
    EXPECT_EQ(message->Condition, "x > 1");
    EXPECT_EQ(message->Style, -1);
    auto* files = dynamic_cast<FakeFilesEvent*>(loaded.Events.At(1));
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->Files.Files[2].Target, loaded.Build.Files.At(2));

    EXPECT_EQ(loaded.Languages.Flags.size(), GetParam().version >= 302 ? 20u : 11u);
    EXPECT_EQ(FixedTextValue(loaded.Screen.BitmapSource.File), "back.bmp");
    EXPECT_EQ(loaded.Screen.Titles.Texts.At(0)->FontName, "Arial");
}

// Components and user dialogs exist from 301; the dialogs' file list only in 302.
TEST_P(ScriptRoundTrip, VersionDecidesWhichListsExist) {
    InstallScript loaded;
    ASSERT_EQ(ReadScript(Written(), loaded, events), ScriptReadResult::Loaded);
    const std::int32_t version = GetParam().version;
    EXPECT_EQ(loaded.Components.Size(), version >= 301 ? 2u : 0u);
    EXPECT_EQ(loaded.UserDialogs.Dialogs.Size(), version >= 301 ? 1u : 0u);
    EXPECT_EQ(loaded.UserDialogs.Files.Files.size(), version >= 302 ? 1u : 0u);
    if (version >= 301) {
        // The group names a child that comes after it in the list.
        EXPECT_EQ(loaded.Components.At(0)->Children[0].Target, loaded.Components.At(1));
        EXPECT_EQ(loaded.Components.At(1)->Events[1].Target, loaded.Events.At(1));
        const DialogControl& control = *loaded.UserDialogs.Dialogs.At(0)->Controls.At(0);
        EXPECT_EQ(control.Values[5], -1);
        EXPECT_EQ(control.Texts[2], "one\r\ntwo");
    }
}

// Older scripts are marked as upgraded in memory; the stamp as loaded is kept apart.
TEST_P(ScriptRoundTrip, OlderVersionsAreMarkedUpgraded) {
    InstallScript loaded;
    ASSERT_EQ(ReadScript(Written(), loaded, events), ScriptReadResult::Loaded);
    EXPECT_EQ(loaded.Version, 302);
    EXPECT_EQ(loaded.LoadedRevision.Values[0], 41);
    EXPECT_EQ(loaded.Revision.Values[0], GetParam().version == 302 ? 41 : 42);
    EXPECT_EQ(loaded.Revision.Values[4], -5);
}

INSTANTIATE_TEST_SUITE_P(Formats, ScriptRoundTrip, testing::EveryFormat(), testing::FormatName);

}  // namespace
}  // namespace aw
