#include "installer/script/host/event_texts.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(EventTextsTest, AWholeIntegerAndNothingElse) {
    EXPECT_EQ(ReadWholeInteger("42"), 42);
    EXPECT_EQ(ReadWholeInteger(" -42 "), -42);
    EXPECT_EQ(ReadWholeInteger("-2147483648"), INT32_MIN);
    EXPECT_FALSE(ReadWholeInteger("42abc"));
    EXPECT_FALSE(ReadWholeInteger(""));
    EXPECT_FALSE(ReadWholeInteger(" - 4"));
    EXPECT_FALSE(ReadWholeInteger("2147483648"));
}

TEST(EventTextsTest, HexPairsGiveOneBytePerComma) {
    EXPECT_EQ(ReadHexPairs("0a,ff,00"), (std::vector<std::uint8_t>{0x0A, 0xFF, 0x00}));
    EXPECT_EQ(ReadHexPairs("0A,Ff"), (std::vector<std::uint8_t>{0x0A, 0xFF}));
    EXPECT_FALSE(ReadHexPairs("0g"));
    EXPECT_FALSE(ReadHexPairs("0a,f"));
    EXPECT_FALSE(ReadHexPairs(""));
}

TEST(EventTextsTest, MultiStringsAreTheLines) {
    EXPECT_EQ(MultiStringTexts("one\r\ntwo\nthree"),
              (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(MultiStringTexts("one\r\n"), std::vector<std::string>{"one"});
}

TEST(EventTextsTest, BackupNamesReplaceTheExtension) {
    EXPECT_EQ(BackupName("C:\\APP\\readme.txt"), "C:\\APP\\readme.bak");
    EXPECT_EQ(BackupName("C:\\APP.D\\readme"), "C:\\APP.D\\readme.bak");
}

TEST(EventTextsTest, NamePatternsFollowAPlusSign) {
    EXPECT_EQ(NamePattern("+*.bak"), "*.bak");
    EXPECT_EQ(NamePattern("++new?.*-old"), "new?.*");
    EXPECT_EQ(NamePattern("+-*.txt+x"), "*.txt");
    EXPECT_FALSE(NamePattern("-*.txt"));
    EXPECT_FALSE(NamePattern("*.txt"));

    EXPECT_EQ(ApplyNamePattern("*.bak", "readme.txt"), "readme.bak");
    EXPECT_EQ(ApplyNamePattern("x??.*", "readme.txt"), "xea.txt");
    EXPECT_EQ(ApplyNamePattern("*", "readme.txt"), "readme");
    EXPECT_EQ(ApplyNamePattern("setup.exe", "any.dat"), "setup.exe");
}

}  // namespace
}  // namespace aw
