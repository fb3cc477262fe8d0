#include "installer/script/host/file_search.h"

#include <gtest/gtest.h>

#include "installer/script/host/tests/fakes/fake_host_windows.h"
#include "installer/script/host/tests/fakes/fake_services.h"

namespace aw::testing {
namespace {

class FileSearchTest : public ::testing::Test {
  protected:
    FileSearchTest() {
        request.Ints[0] = 2;
        request.Ints[3] = 1;
        request.Ints[5] = 1;
        request.Directory = "c:";
        request.Pattern = "APP.EXE";
    }
    static DirectoryEntry File(const std::string& name) { return {name, false}; }
    static DirectoryEntry Folder(const std::string& name) { return {name, true}; }

    FakeServices services;
    FakeHostWindows windows;
    FakeHostMachine machine;
    FileSearch search{services, windows, machine};
    SearchRequest request;
};

TEST_F(FileSearchTest, TheFirstMatchInEnumerationOrderWins) {
    machine.Listings["c:\\*.*"] = {Folder("."), Folder("DEEP"), Folder("NEAR")};
    machine.Listings["c:\\DEEP\\*.*"] = {Folder("INNER")};
    machine.Listings["c:\\DEEP\\INNER\\APP.EXE"] = {File("APP.EXE")};
    machine.Listings["c:\\NEAR\\APP.EXE"] = {File("APP.EXE")};
    ASSERT_TRUE(search.Search(request));
    EXPECT_TRUE(request.Found);
    EXPECT_EQ(request.Path, "c:\\DEEP\\INNER\\APP.EXE");
    EXPECT_EQ(windows.Calls,
              (std::vector<std::string>{"OpenSearchWindow APP.EXE", "CloseSearchWindow"}));
    const auto& trace = machine.Lines[kSearchTracePath];
    EXPECT_EQ(trace.front(), "entering c:\\APP.EXE");
    EXPECT_EQ(trace.at(1), "searching into subdirectories of c:");
    EXPECT_GT(services.Pumps, 0);

    request.Ints[5] = 0;
    ASSERT_TRUE(search.Search(request));
    EXPECT_FALSE(request.Found);
    EXPECT_EQ(request.Path, "");
}

TEST_F(FileSearchTest, DirectoriesAndDotsAreNoMatch) {
    machine.Listings["c:\\*.*"] = {Folder("."), Folder(".."), Folder("SUB"), File("A.TXT")};
    request.Pattern = "*.*";
    request.Ints[5] = 0;
    ASSERT_TRUE(search.Search(request));
    EXPECT_EQ(request.Path, "c:\\A.TXT");
}

TEST_F(FileSearchTest, CancelEndsTheSearchAsNotFound) {
    machine.Listings["c:\\*.*"] = {Folder("SUB")};
    machine.Listings["c:\\SUB\\APP.EXE"] = {File("APP.EXE")};
    windows.CancelAfter = 0;
    ASSERT_TRUE(search.Search(request));
    EXPECT_FALSE(request.Found);
}

TEST_F(FileSearchTest, PathEntriesAreTrimmedAndEmptyOnesSkipped) {
    EXPECT_EQ(PathDirectories(";;C:\\WINDOWS ; ;C:\\DOS"),
              (std::vector<std::string>{"C:\\WINDOWS", "C:\\DOS"}));
    machine.Variables["PATH"] = ";;C:\\WINDOWS ; ;C:\\DOS";
    request.Ints[0] = 0;
    request.Ints[1] = 1;
    request.Ints[5] = 0;
    ASSERT_TRUE(search.Search(request));
    EXPECT_EQ(machine.Listed,
              (std::vector<std::string>{"C:\\WINDOWS\\APP.EXE", "C:\\DOS\\APP.EXE"}));
    EXPECT_TRUE(windows.Calls.empty());
}

TEST_F(FileSearchTest, DrivesAreSearchedByTheirMedium) {
    machine.Media = {{'A', MediumKind::Diskette},
                     {'C', MediumKind::Fixed},
                     {'D', MediumKind::CdRom},
                     {'E', MediumKind::Remote}};
    request.Ints[1] = 2;
    request.Ints[3] = 0;
    ASSERT_TRUE(search.Search(request));
    EXPECT_FALSE(request.Found);
    EXPECT_TRUE(machine.Listed.empty());

    request.Ints[2] = 1;
    request.Ints[3] = 1;
    request.Ints[5] = 0;
    ASSERT_TRUE(search.Search(request));
    EXPECT_EQ(machine.Listed, (std::vector<std::string>{"C:\\APP.EXE", "D:\\APP.EXE"}));
}

}  // namespace
}  // namespace aw::testing

namespace aw::testing {
namespace {

TEST(PatternMatchTest, WildcardsMatchLikeTheFileSystem) {
    EXPECT_TRUE(MatchesPattern("*.TXT", "readme.txt"));
    EXPECT_TRUE(MatchesPattern("A?P.EXE", "APP.EXE"));
    EXPECT_TRUE(MatchesPattern("*.*", "README"));
    EXPECT_TRUE(MatchesPattern("*", "*P02.EXE"));
    EXPECT_TRUE(MatchesPattern("a*b*c", "aXbYbZc"));
    EXPECT_FALSE(MatchesPattern("A?P.EXE", "AP.EXE"));
    EXPECT_FALSE(MatchesPattern("*.TXT", "readme.txt.bak"));
}

}  // namespace
}  // namespace aw::testing
