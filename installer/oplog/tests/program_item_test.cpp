#include "installer/oplog/program_item.h"

#include <gtest/gtest.h>

#include <cstring>

namespace aw {
namespace {

ProgramItem Sample() {
    ProgramItem item;
    item.X = 0x01020304;
    item.Y = -2;
    item.HotKey = 0x0341;
    item.IconIndex = 5;
    item.RunMinimised = 1;
    item.Name = "LineWink";
    item.CommandLine = "C:\\LW\\LINEWINK.EXE 2";
    item.IconFile = "C:\\LW\\LW.ICO";
    item.WorkingDirectory = "C:\\LW";
    return item;
}

bool TextAt(const ProgramItemBytes& bytes, std::size_t offset, const char* text) {
    return std::memcmp(bytes.data() + offset, text, std::strlen(text) + 1) == 0;
}

TEST(ProgramItem, PacksNumbersLittleEndianAndTextsAtTheirOffsets) {
    const ProgramItemBytes bytes = PackProgramItem(Sample());
    const std::uint8_t numbers[20] = {4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 0x41, 3,
                                      0, 0, 5, 0, 0,    0,    1,    0,    0,    0};
    EXPECT_EQ(std::memcmp(bytes.data(), numbers, sizeof numbers), 0);
    EXPECT_TRUE(TextAt(bytes, 20, "LineWink"));
    EXPECT_TRUE(TextAt(bytes, 80, "C:\\LW\\LINEWINK.EXE 2"));
    EXPECT_TRUE(TextAt(bytes, 592, "C:\\LW\\LW.ICO"));
    EXPECT_TRUE(TextAt(bytes, 852, "C:\\LW"));
    EXPECT_EQ(bytes[1111], 0);
    EXPECT_EQ(UnpackProgramItem(bytes), Sample());
}

TEST(ProgramItem, OverlongTextsAreCutToLeaveTheirTerminator) {
    ProgramItem item;
    item.Name = std::string(100, 'n');
    item.WorkingDirectory = std::string(300, 'w');
    const ProgramItemBytes bytes = PackProgramItem(item);
    EXPECT_EQ(bytes[20 + 58], 'n');
    EXPECT_EQ(bytes[20 + 59], 0);
    const ProgramItem back = UnpackProgramItem(bytes);
    EXPECT_EQ(back.Name, std::string(59, 'n'));
    EXPECT_EQ(back.WorkingDirectory, std::string(259, 'w'));
}

TEST(ProgramItem, UnterminatedFieldOfAForeignRecordStopsAtItsEnd) {
    ProgramItemBytes bytes{};
    std::memset(bytes.data() + 20, 'x', 60);
    EXPECT_EQ(UnpackProgramItem(bytes).Name, std::string(60, 'x'));
    EXPECT_EQ(UnpackProgramItem(bytes).CommandLine, "");
}

}  // namespace
}  // namespace aw
