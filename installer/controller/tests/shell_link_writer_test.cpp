// The shortcut writer: where groups and shortcuts go and what a shortcut holds.
#include "installer/controller/shell/shell_link_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "installer/controller/tests/fakes/system_fakes.h"

namespace aw {
namespace {

class FakeLinkStore : public LinkStore {
  public:
    bool Open() override { return Opens; }
    void Close() override {}
    std::optional<std::string> ProgramsFolder() override { return Programs; }
    bool DirectoryExists(const std::string& path) override { return Directories.count(path); }
    bool MakeDirectory(const std::string& path) override { return Directories.insert(path).second; }
    bool RemoveEmptyDirectory(const std::string& path) override {
        for (const auto& [file, link] : Links) {
            if (file.starts_with(path + "\\")) {
                return false;
            }
        }
        return Directories.erase(path) != 0;
    }
    bool FileExists(const std::string& path) override { return Links.count(path) != 0; }
    bool RemoveFile(const std::string& path) override { return Links.erase(path) != 0; }
    std::vector<std::string> FileNames(const std::string& directory) override {
        std::vector<std::string> names;
        for (const auto& [file, link] : Links) {
            if (file.starts_with(directory + "\\")) {
                names.push_back(file.substr(directory.size() + 1));
            }
        }
        return names;
    }
    bool HoldsDirectories(const std::string& directory) override {
        return std::any_of(Directories.begin(), Directories.end(), [&](const std::string& path) {
            return path.starts_with(directory + "\\");
        });
    }
    bool WriteLink(const std::string& path, const ShellLink& link) override {
        Links[path] = link;
        return true;
    }
    std::optional<ShellLink> ReadLink(const std::string& path) override {
        const auto link = Links.find(path);
        return link == Links.end() ? std::nullopt : std::optional(link->second);
    }

    bool Opens = true;
    std::optional<std::string> Programs = "C:\\WINDOWS\\Start Menu\\Programs";
    std::set<std::string> Directories;
    std::map<std::string, ShellLink> Links;
};

const std::string kGroup = "C:\\WINDOWS\\Start Menu\\Programs\\Line Wink";

TEST(ShellLinkWriterTest, CommandLinesSplitAtTheFirstBlank) {
    EXPECT_EQ(SplitCommandLine("C:\\LW\\LW.EXE").Program, "C:\\LW\\LW.EXE");
    const SplitCommand split = SplitCommandLine("C:\\LW\\LW.EXE   2 -x");
    EXPECT_EQ(split.Program, "C:\\LW\\LW.EXE");
    EXPECT_EQ(split.Arguments, "2 -x");
    EXPECT_EQ(SplitCommandLine("LW.EXE ").Arguments, "");
}

TEST(ShellLinkWriterTest, ItemsAreShortcutsInTheGroupsDirectory) {
    auto owned = std::make_unique<FakeLinkStore>();
    FakeLinkStore& store = *owned;
    testing::FakeShortPaths paths;
    paths.Forms = {{"C:\\Program Files\\LW", "C:\\PROGRA~1\\LW"}};
    ShellLinkWriter writer(std::move(owned), paths);
    ASSERT_TRUE(writer.Open(false));
    ASSERT_TRUE(writer.CreateGroup("Line Wink"));
    EXPECT_TRUE(writer.GroupExists("Line Wink"));
    ASSERT_TRUE(writer.AddFullItem({1, 2, 0x10341, 3, 1, "Monitor", "C:\\LW\\LW.EXE 2",
                                    "C:\\LW\\LW.ICO", "C:\\Program Files\\LW"}));
    ASSERT_TRUE(writer.AddItem("Read Me", "NOTEPAD.EXE", "", 0, ""));

    EXPECT_EQ(store.Links[kGroup + "\\Monitor.lnk"],
              (ShellLink{"C:\\LW\\LW.EXE", "2", "C:\\PROGRA~1\\LW", "C:\\LW\\LW.ICO", 3, 0x0341,
                         kShowMinimisedNoActivate}));
    EXPECT_EQ(store.Links[kGroup + "\\Read Me.lnk"].ShowCommand, kShowNormal);

    const std::optional<std::vector<ProgramItem>> items = writer.GroupItems("Line Wink");
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[0], (ProgramItem{0, 0, 0x0341, 3, 1, "Monitor", "C:\\LW\\LW.EXE 2",
                                        "C:\\LW\\LW.ICO", "C:\\PROGRA~1\\LW"}));

    ASSERT_TRUE(writer.DeleteItem("Monitor"));
    ASSERT_TRUE(writer.DeleteItem("Monitor"));
    EXPECT_FALSE(store.FileExists(kGroup + "\\Monitor.lnk"));
    ASSERT_TRUE(writer.DeleteGroup("Line Wink"));
    EXPECT_FALSE(writer.GroupExists("Line Wink"));
}

TEST(ShellLinkWriterTest, APifGoesWhenThereIsNoShortcutOfTheName) {
    auto owned = std::make_unique<FakeLinkStore>();
    FakeLinkStore& store = *owned;
    testing::FakeShortPaths paths;
    store.Directories.insert(kGroup);
    store.Links[kGroup + "\\Old.pif"] = {};
    ShellLinkWriter writer(std::move(owned), paths);
    ASSERT_TRUE(writer.Open(false));
    ASSERT_EQ(writer.GroupItems("Line Wink")->size(), 1u);
    ASSERT_TRUE(writer.ShowGroup("Line Wink", 1));
    ASSERT_TRUE(writer.DeleteItem("Old"));
    EXPECT_TRUE(store.Links.empty());
}

TEST(ShellLinkWriterTest, AGroupHoldingMoreThanShortcutsOrNamedOutsideProgramsIsLeftWhole) {
    auto owned = std::make_unique<FakeLinkStore>();
    FakeLinkStore& store = *owned;
    testing::FakeShortPaths paths;
    store.Directories = {kGroup, "C:\\WINDOWS\\Start Menu\\Programs"};
    store.Links[kGroup + "\\Monitor.lnk"] = {};
    store.Links[kGroup + "\\Home Page.url"] = {};
    ShellLinkWriter writer(std::move(owned), paths);
    ASSERT_TRUE(writer.Open(false));
    EXPECT_FALSE(writer.DeleteGroup("Line Wink"));
    EXPECT_EQ(store.Links.size(), 2u);

    store.Links.erase(kGroup + "\\Home Page.url");
    store.Directories.insert(kGroup + "\\Tools");
    EXPECT_FALSE(writer.DeleteGroup("Line Wink"));
    EXPECT_FALSE(writer.DeleteGroup(""));
    EXPECT_FALSE(writer.DeleteGroup("Line Wink\\.."));
    EXPECT_EQ(store.Links.size(), 1u);
    EXPECT_EQ(store.Directories.size(), 3u);
}

TEST(ShellLinkWriterTest, WithoutTheLinkObjectOrAProgramsFolderItDoesNotOpen) {
    auto owned = std::make_unique<FakeLinkStore>();
    FakeLinkStore& store = *owned;
    testing::FakeShortPaths paths;
    ShellLinkWriter writer(std::move(owned), paths);
    store.Programs.reset();
    EXPECT_FALSE(writer.Open(false));
    store.Programs = "C:\\P";
    store.Opens = false;
    EXPECT_FALSE(writer.Open(false));
}

}  // namespace
}  // namespace aw
