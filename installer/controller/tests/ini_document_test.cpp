// The INI line model: what counts as a section, an entry and a comment, and that every line an
// edit does not touch comes back byte for byte.
#include "installer/controller/ini/ini_document.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

const char kOddFile[] =
    "; settings of the port\r\n"
    "  [ Ports ]  \r\n"
    "Device = COM2 \r\n"
    "\tdevice=com3\n"
    "not an entry\r\n"
    "=no name\r\n"
    "[Ports] ; not a section line\r\n"
    "\r\n"
    "[Other]\r\n"
    "device=x";

TEST(IniDocumentTest, LinesAreReadAsTheyStandAndWrittenBackUnchanged) {
    const IniDocument document(kOddFile);
    EXPECT_EQ(document.Text(), kOddFile);
    EXPECT_TRUE(document.HasSection("ports"));
    EXPECT_FALSE(document.HasSection("Ports] ; not a section line"));
    EXPECT_EQ(document.Entries("PORTS"),
              (std::vector<IniEntry>{{"Device", "COM2"}, {"device", "com3"}}));
    EXPECT_EQ(document.Occurrences("ports", "DEVICE"), 2u);
    EXPECT_EQ(document.Value("Ports", "device", 1), "com3");
    EXPECT_EQ(document.Value("Ports", "device", 2), std::nullopt);
    EXPECT_EQ(document.Value("Other", "device", 0), "x");
}

TEST(IniDocumentTest, InsertingPlacesTheEntryAtItsOccurrenceOrAfterTheSectionsLastEntry) {
    IniDocument document("[386Enh]\r\ndevice=a\r\nother=1\r\ndevice=b\r\n\r\n; next\r\n[Boot]\r\n");
    EXPECT_EQ(document.InsertEntry("386enh", "device", "first", 0), 0u);
    EXPECT_EQ(document.InsertEntry("386enh", "device", "third", 2), 2u);
    EXPECT_EQ(document.InsertEntry("386enh", "device", "last", 1000), 4u);
    EXPECT_EQ(document.InsertEntry("386enh", "new", "n", 5), 0u);
    EXPECT_EQ(document.Text(),
              "[386Enh]\r\ndevice=first\r\ndevice=a\r\nother=1\r\ndevice=third\r\ndevice=b\r\n"
              "device=last\r\nnew=n\r\n\r\n; next\r\n[Boot]\r\n");
}

TEST(IniDocumentTest, ALastLineWithoutALineEndGetsOneOnlyWhenSomethingFollowsIt) {
    IniDocument document("[A]\nx=1");
    ASSERT_TRUE(document.SetEntry("a", "X", 0, "2"));
    EXPECT_EQ(document.Text(), "[A]\nx=2");
    document.InsertEntry("A", "y", "3", 0);
    EXPECT_EQ(document.Text(), "[A]\nx=2\r\ny=3\r\n");
    document.AddSection("B");
    EXPECT_EQ(document.Text(), "[A]\nx=2\r\ny=3\r\n[B]\r\n");

    IniDocument bare("[Only]");
    bare.InsertEntry("Only", "k", "v", 0);
    EXPECT_EQ(bare.Text(), "[Only]\r\nk=v\r\n");
}

TEST(IniDocumentTest, SettingKeepsTheNameAsWrittenAndTheLinesOwnEnd) {
    IniDocument document("[S]\n  Name =  old  \nname=second\n");
    ASSERT_TRUE(document.SetEntry("s", "name", 1, "new"));
    ASSERT_TRUE(document.SetEntry("s", "NAME", 0, "fresh"));
    EXPECT_FALSE(document.SetEntry("s", "name", 2, "x"));
    EXPECT_EQ(document.Text(), "[S]\nName=fresh\nname=new\n");
}

TEST(IniDocumentTest, DeletingAnEntryOrASectionTakesOnlyItsOwnLines) {
    IniDocument document("[A]\r\nk=1\r\nk=2\r\n; about B\r\n[B]\r\nk=3\r\n\r\n[C]\r\n");
    ASSERT_TRUE(document.DeleteEntry("A", "k", 1));
    EXPECT_FALSE(document.DeleteEntry("A", "k", 1));
    ASSERT_TRUE(document.DeleteSection("b"));
    EXPECT_FALSE(document.DeleteSection("b"));
    EXPECT_EQ(document.Text(), "[A]\r\nk=1\r\n; about B\r\n[C]\r\n");
}

TEST(IniDocumentTest, ATwiceNamedSectionIsItsFirstOne) {
    IniDocument document("[A]\nx=1\n[a]\nx=2\n");
    EXPECT_EQ(document.Occurrences("A", "x"), 1u);
    document.InsertEntry("a", "x", "3", 9);
    EXPECT_EQ(document.Text(), "[A]\nx=1\nx=3\r\n[a]\nx=2\n");
}

}  // namespace
}  // namespace aw
