// Each sink operation, called in slot order, leaves the record of its own kind with its arguments
// in the right fields and the undo class of the moment.
#include "installer/oplog/record_sink.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RecordSink, EveryOperationMakesItsRecordWithTheCurrentUndoClass) {
    const RegistryKey key{kClassesRoot, ".lwk"};
    ProgramItem item;
    item.Name = "Old item";
    const Bytes data = {1, 2, 3};

    MemoryLog log;
    log.DirectoryCreated("C:\\LW");
    log.DirectoryRemoved("C:\\OLD");
    log.FileDeleted("C:\\LW\\A.TMP");
    log.SetUndoClass(1);
    log.FileMoved("C:\\A", "C:\\B");
    log.FileCreated("C:\\LW\\LW.EXE");
    log.FileExtended("C:\\AUTOEXEC.BAT", 312);
    log.AttributesChanged("C:\\LW\\R.TXT", 0x21, 0x80);
    log.IniSectionAdded("WIN.INI", "LW");
    log.IniSectionDeleted("WIN.INI", "OLD");
    log.IniEntryAdded("SYSTEM.INI", "386Enh", "device", 1);
    log.IniEntryDeleted("SYSTEM.INI", "386Enh", "device", "old.vxd", 2);
    log.IniEntryChanged("WIN.INI", "Windows", "run", "x.exe", 0);
    log.SetUndoClass(2);
    log.GroupCreated("LineWink");
    log.GroupDeleted("Old group");
    log.ItemCreated("LineWink", "Read me");
    log.ItemDeleted("LineWink", item);
    log.KeyCreated(key);
    log.KeyDeleted(key);
    log.ValueCreated(key, "");
    log.ValueChanged(key, "Content Type", 1, data);
    log.ValueDeleted(key, "Size", 4, {});
    log.FontInstalled("C:\\WINDOWS\\FONTS\\LW.TTF");
    log.DataBlock(7, data);

    using namespace logrec;
    const std::vector<LogRecord> expected = {
        {0, DirCreated{"C:\\LW"}},
        {0, DirRemoved{"C:\\OLD"}},
        {0, FileDeleted{"C:\\LW\\A.TMP"}},
        {1, FileMoved{"C:\\A", "C:\\B"}},
        {1, FileCreated{"C:\\LW\\LW.EXE"}},
        {1, FileExtended{"C:\\AUTOEXEC.BAT", 312}},
        {1, AttrChanged{"C:\\LW\\R.TXT", 0x21, 0x80}},
        {1, IniSectionAdded{"WIN.INI", "LW"}},
        {1, IniSectionDeleted{"WIN.INI", "OLD"}},
        {1, IniEntryAdded{"SYSTEM.INI", "386Enh", "device", 1}},
        {1, IniEntryDeleted{"SYSTEM.INI", "386Enh", "device", "old.vxd", 2}},
        {1, IniEntryChanged{"WIN.INI", "Windows", "run", "x.exe", 0}},
        {2, GroupCreated{"LineWink"}},
        {2, GroupDeleted{"Old group"}},
        {2, ItemCreated{"LineWink", "Read me"}},
        {2, ItemDeleted{"LineWink", PackProgramItem(item)}},
        {2, KeyCreated{key}},
        {2, KeyDeleted{key}},
        {2, ValueCreated{key, ""}},
        {2, ValueChanged{key, "Content Type", 1, data}},
        {2, ValueDeleted{key, "Size", 4, {}}},
        {2, FontInstalled{"C:\\WINDOWS\\FONTS\\LW.TTF"}},
        {2, DataBlock{7, data}},
    };
    ASSERT_EQ(log.Records.size(), expected.size());
    // The kinds by number, in the order the operations were called.
    const std::int32_t kinds[] = {0,  1,  3,  2,  4,  5,  6,  10, 11, 7,  8, 9,
                                  12, 14, 13, 15, 16, 17, 18, 19, 20, 21, 22};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(static_cast<std::int32_t>(log.Records[i].Kind()), kinds[i]) << i;
        EXPECT_EQ(log.Records[i], expected[i]) << LogKindName(kinds[i]);
    }
}

TEST(RecordSink, KindNamesFollowTheKindNumbers) {
    EXPECT_STREQ(LogKindName(0), "DirCreated");
    EXPECT_STREQ(LogKindName(6), "AttrChanged");
    EXPECT_STREQ(LogKindName(13), "ItemCreated");
    EXPECT_STREQ(LogKindName(14), "GroupDeleted");
    EXPECT_STREQ(LogKindName(22), "DataBlock");
    EXPECT_STREQ(LogKindName(23), "?");
    EXPECT_STREQ(LogKindName(-1), "?");
    ASSERT_TRUE(NewPayload(19).has_value());
    EXPECT_EQ(NewPayload(19)->index(), 19u);
    EXPECT_FALSE(NewPayload(23).has_value());
}

}  // namespace
}  // namespace aw
