#include "installer/script/host/script_facts.h"

#include <gtest/gtest.h>

#include "installer/script/events/family_events.h"
#include "installer/script/events/window_events.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw::testing {
namespace {

TEST(ScriptFactsTest, TheDiskMapFollowsTheCurrentStyleFileList) {
    InstallScript script;
    FakeReport report;
    DiskMapTable map;
    EXPECT_FALSE(map.Build(script, report));
    EXPECT_EQ(report.CheckUnits, std::vector<std::string>{"AWTEST"});

    auto& file = script.Build.Files.AddNew();
    file.AuxiliaryFile = 1;
    file.Compressed = 1;
    file.FirstSize = 5000;
    file.SecondSize = 2000;
    file.FileName = "APP.EXE";
    auto& style = script.Build.Styles.AddNew();
    style.DiskMapValue = 3;
    auto& listed = style.FileList.AddNew();
    listed.First = 1;
    listed.Second = 2;
    listed.File = {0, &file};
    listed.Value = 777;
    listed.Stamp.wYear = 1998;
    script.Build.CurrentStyle = 0;

    ASSERT_TRUE(map.Build(script, report));
    EXPECT_EQ(map.MapValue(), 3);
    ASSERT_EQ(map.Entries().size(), 1u);
    const DistributionEntry& entry = map.Entries()[0];
    EXPECT_EQ(entry.FirstDisk, 1);
    EXPECT_EQ(entry.SegmentCount, 2);
    EXPECT_EQ(entry.Auxiliary, 1);
    EXPECT_EQ(entry.Compressed, 1);
    EXPECT_EQ(entry.Offset, 777u);
    EXPECT_EQ(entry.Size, 5000u);
    EXPECT_EQ(entry.StoredSize, 2000u);
    EXPECT_EQ(entry.Name, "APP.EXE");
    EXPECT_EQ(entry.Stamp.wYear, 1998);
    EXPECT_EQ(map.EntryFor(&file), &map.Entries()[0]);
    EXPECT_EQ(map.EntryFor(nullptr), nullptr);
}

TEST(ScriptFactsTest, TheProgressRangeIsTheLastBeginAndEnd) {
    InstallScript script;
    std::int32_t first = 0;
    std::int32_t last = 0;
    script.Events.Add(std::make_unique<QueryOne>());
    EXPECT_FALSE(ProgressRange(script, first, last));

    script.Events.Add(std::make_unique<BeginProgress>());
    script.Events.Add(std::make_unique<BeginProgress>());
    script.Events.Add(std::make_unique<QueryOne>());
    ASSERT_TRUE(ProgressRange(script, first, last));
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 4);
    script.Events.Add(std::make_unique<EndProgress>());
    ASSERT_TRUE(ProgressRange(script, first, last));
    EXPECT_EQ(last, 4);
}

TEST(ScriptFactsTest, BillboardsAreTheMarkedDialogs) {
    InstallScript script;
    for (int n = 0; n < 5; ++n) {
        auto& dialog = script.UserDialogs.Dialogs.AddNew();
        dialog.Name = "D" + std::to_string(n);
        dialog.Values[5] = n % 2 == 0 ? 1 : 0;
    }
    const auto billboards = Billboards(script);
    ASSERT_EQ(billboards.size(), 3u);
    EXPECT_EQ(billboards[2]->Name, "D4");
}

}  // namespace
}  // namespace aw::testing
