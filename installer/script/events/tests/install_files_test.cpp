// The byte layout of the file-installing events and the sizes the gauge and the disk-space
// figure take from them.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/events/file_events.h"
#include "installer/script/events/window_events.h"
#include "installer/script/model/script_reader.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Little-endian pieces of an expected file.
struct Expected {
    Bytes bytes;
    Expected& Short(std::uint16_t v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Expected& Long(std::uint32_t v) {
        Short(static_cast<std::uint16_t>(v));
        return Short(static_cast<std::uint16_t>(v >> 16));
    }
    Expected& Text(const std::string& text) {
        bytes.push_back(static_cast<std::uint8_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    Expected& CommonFields(std::uint16_t undoClass = 0) {
        return Short(undoClass).Short(0).Text("1").Text("");
    }
};

Bytes Written(Event& event, InstallScript& script) {
    ScriptWriter writer(script, true, 302);
    event.Fields(writer);
    return writer.Bytes();
}

TEST(EventsInstallFiles, FieldsLieInFileOrderAndReadBack) {
    InstallScript script;
    InstallFiles event;
    event.UndoClass = 1;
    std::int32_t* ints[] = {&event.TimeStampPolicy, &event.Mode,        &event.SourceKind,
                            &event.Criterion,       &event.InUsePolicy, &event.Comparison,
                            &event.DestinationKind, &event.Shared,      &event.Font,
                            &event.OleServer,       &event.Hidden,      &event.System,
                            &event.ReadOnly};
    for (std::int32_t i = 0; i < 13; ++i) {
        *ints[i] = 100 + i;
    }
    event.Files.Files = {{4, nullptr}, {7, nullptr}};
    event.SecondFiles.Files = {{2, nullptr}};
    event.WildcardSpec = "+*.dll";
    event.ProgressText = "p";
    event.SourceDirectory = "a";
    event.DestinationDirectory = "b";
    event.SourceName = "c";
    event.DestinationName = "d";

    Expected expected;
    expected.CommonFields(1);
    for (std::uint16_t i = 0; i < 13; ++i) {
        expected.Short(100 + i);
    }
    expected.Long(2).Long(4).Long(7).Long(1).Long(2);
    expected.Text("+*.dll").Text("p").Text("a").Text("b").Text("c").Text("d");
    const Bytes bytes = Written(event, script);
    ASSERT_EQ(bytes, expected.bytes);

    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(RegisterEventClasses(registry));
    ScriptReader reader(bytes, script, registry);
    reader.SetShortInts(true);
    InstallFiles loaded;
    loaded.Fields(reader);
    ASSERT_FALSE(reader.Failed());
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(loaded.ReadOnly, 112);
    ASSERT_EQ(loaded.Files.Files.size(), 2u);
    EXPECT_EQ(loaded.Files.Files[1].Position, 7);
    EXPECT_EQ(loaded.DestinationName, "d");
}

TEST(EventsInstallFiles, UninstallerAndMessageWindowKeepTheirOddOrders) {
    InstallScript script;
    InstallUninstaller uninstaller;
    uninstaller.AuxiliaryFiles.Files = {{0, nullptr}};
    uninstaller.BackDirectory = "back";
    SetFixedText(uninstaller.BackDirectoryFile, "lzpunz2.dll");
    uninstaller.ShowBanner = 1;
    Expected expected;
    expected.CommonFields().Long(1).Long(0).Text("back").Text("").Text("").Text("0");
    expected.Text("lzpunz2.dll").Short(1);
    EXPECT_EQ(Written(uninstaller, script), expected.bytes);

    ShowMessageWindow window;
    window.FirstText = "first";
    window.SecondText = "second";
    window.Value = 70000;
    Expected windowBytes;
    windowBytes.CommonFields().Short(0).Short(0).Long(70000).Text("second").Text("first");
    EXPECT_EQ(Written(window, script), windowBytes.bytes);
}

class EventsInstallFilesSize : public ::testing::Test {
  protected:
    DistributionFile& AddFile(std::int32_t compressed, std::int32_t firstSize,
                              std::int32_t secondSize) {
        auto& file = files.AddNew();
        file.Compressed = compressed;
        file.FirstSize = firstSize;
        file.SecondSize = secondSize;
        event.Files.Files.push_back({static_cast<std::int32_t>(files.Size() - 1), &file});
        return file;
    }

    RecordList<DistributionFile> files;
    InstallFiles event;
    testing::FakeReport report;
};

TEST_F(EventsInstallFilesSize, EachFileIsRoundedDownOnItsOwn) {
    event.SourceKind = 0;
    AddFile(1, 1023, 5000);
    AddFile(1, 2047, 5000);
    AddFile(1, 4096, 5000);
    EXPECT_EQ(event.SizeKiB(report), 0u + 1u + 4u);
    EXPECT_EQ(event.RequiredSize(report), 5u);
    EXPECT_TRUE(report.CheckUnits.empty());
}

TEST_F(EventsInstallFilesSize, StoredFilesOfACompressedEntryCountExpanded) {
    event.SourceKind = 1;
    AddFile(1, 1024, 10240);
    AddFile(0, 2048, 99999);
    EXPECT_EQ(event.SizeKiB(report), 10u + 2u);
    EXPECT_TRUE(report.CheckUnits.empty());
}

TEST_F(EventsInstallFilesSize, PlainEntryInACompressedEventIsACheckFailure) {
    event.SourceKind = 0;
    AddFile(0, 3072, 99999);
    EXPECT_EQ(event.SizeKiB(report), 3u);
    EXPECT_EQ(report.CheckUnits, std::vector<std::string>{"EVENT"});
}

TEST_F(EventsInstallFilesSize, SingleFileCountsNothingAndAMissingEntryCountsNothing) {
    AddFile(1, 8192, 8192);
    event.Files.Files.push_back({9, nullptr});
    event.Mode = InstallFiles::SingleFile;
    EXPECT_EQ(event.SizeKiB(report), 0u);
    EXPECT_TRUE(report.CheckUnits.empty());
    event.Mode = 0;
    EXPECT_EQ(event.SizeKiB(report), 8u);
    EXPECT_EQ(report.CheckUnits, std::vector<std::string>{"EVENT"});
}

TEST_F(EventsInstallFilesSize, HugeListsStopAtTheLargestFigure) {
    event.SourceKind = 1;
    for (int i = 0; i < 1100; ++i) {
        AddFile(1, 0, -1);
    }
    EXPECT_EQ(event.SizeKiB(report), std::numeric_limits<std::uint32_t>::max());
}

}  // namespace
}  // namespace aw
