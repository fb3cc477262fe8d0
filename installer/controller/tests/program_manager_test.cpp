// The Program Manager conversation: the exact command texts, the replies as Program Manager
// writes them, and what the client sends for each shell operation.
#include <gtest/gtest.h>

#include <map>

#include "installer/controller/shell/program_manager_client.h"
#include "installer/controller/shell/program_manager_commands.h"
#include "installer/controller/tests/fakes/system_fakes.h"

namespace aw {
namespace {

TEST(ProgramManagerCommandsTest, CommandTextsAreExact) {
    EXPECT_EQ(CreateGroupCommand("Line Wink"), "[CreateGroup(\"Line Wink\")]");
    EXPECT_EQ(ShowGroupCommand("Line Wink", 1), "[ShowGroup(\"Line Wink\", 1)]");
    EXPECT_EQ(ShowGroupCommand("Line Wink", 9), "[CreateGroup(\"Line Wink\")]");
    EXPECT_EQ(DeleteGroupCommand("G"), "[DeleteGroup(\"G\")]");
    EXPECT_EQ(DeleteItemCommand("Read Me"), "[DeleteItem(\"Read Me\")]");
    EXPECT_EQ(AddItemCommand("C:\\LW\\LW.EXE 2", "Line Wink", "C:\\LW\\LW.EXE", 1, ""),
              "[AddItem(C:\\LW\\LW.EXE 2, \"Line Wink\", C:\\LW\\LW.EXE, 1)]");
    EXPECT_EQ(AddItemCommand("LW.EXE", "LW", "LW.ICO", 0, "C:\\LW"),
              "[AddItem(LW.EXE, \"LW\", LW.ICO, 0, , , C:\\LW)]");
    ProgramItem item{10, -20, 0x0341, 2, 1, "LW", "LW.EXE /x", "LW.ICO", "C:\\LW"};
    EXPECT_EQ(AddFullItemCommand(item),
              "[AddItem(LW.EXE /x, \"LW\", LW.ICO, 2, 10, -20, C:\\LW, 833, 1)]");
}

TEST(ProgramManagerCommandsTest, GroupListsAndGroupRepliesAreReadField_by_field) {
    EXPECT_EQ(ParseGroupNames("Accessories\r\nMain\r\n\r\nStartUp"),
              (std::vector<std::string>{"Accessories", "Main", "StartUp"}));

    const char reply[] =
        "\"LineWink\",C:\\WINDOWS\\LINEWINK.GRP,2,1\r\n"
        "\"Line, Wink\",\"C:\\LW\\LW.EXE 2\",C:\\LW,C:\\LW\\LW.EXE,16,32,1,833,1\r\n"
        "\"Read Me\",\"NOTEPAD.EXE README.TXT\",,NOTEPAD.EXE,80,32,0,0,0\r\n";
    const std::optional<std::vector<ProgramItem>> items = ParseGroupItems(reply);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[0], (ProgramItem{16, 32, 833, 1, 1, "Line, Wink", "C:\\LW\\LW.EXE 2",
                                        "C:\\LW\\LW.EXE", "C:\\LW"}));
    EXPECT_EQ((*items)[1].Name, "Read Me");
    EXPECT_EQ((*items)[1].WorkingDirectory, "");
    EXPECT_EQ((*items)[1].X, 80);

    EXPECT_EQ(ParseGroupItems("\"Empty\",C:\\E.GRP,0,1\r\n")->size(), 0u);
    // Fewer item lines than counted, and short lines, read as far as they go.
    EXPECT_EQ(ParseGroupItems("G,F,3\r\nOnly,CMD\r\n")->size(), 1u);
    EXPECT_EQ(ParseGroupItems("G,F\r\n"), std::nullopt);
    EXPECT_EQ(ParseGroupItems("G,F,many\r\n"), std::nullopt);
    EXPECT_EQ(ParseGroupItems(""), std::nullopt);
}

class FakeChannel : public DdeChannel {
  public:
    bool Connect(bool mayStart) override {
        Sent.push_back(mayStart ? "connect starting" : "connect");
        return true;
    }
    void Disconnect(bool closeProgramManager) override {
        Sent.push_back(closeProgramManager ? "disconnect closing" : "disconnect");
    }
    bool Execute(const std::string& command) override {
        Sent.push_back(command);
        return true;
    }
    std::optional<std::string> Request(const std::string& item) override {
        Sent.push_back("request " + item);
        const auto reply = Replies.find(item);
        return reply == Replies.end() ? std::nullopt : std::optional(reply->second);
    }

    std::vector<std::string> Sent;
    std::map<std::string, std::string> Replies;
};

TEST(ProgramManagerClientTest, PathsGoOutShortAndGroupsAreFoundIgnoringCase) {
    auto owned = std::make_unique<FakeChannel>();
    FakeChannel& channel = *owned;
    testing::FakeShortPaths paths;
    paths.Forms = {{"C:\\Program Files\\LW", "C:\\PROGRA~1\\LW"},
                   {"C:\\Program Files\\LW\\lw.ico", "C:\\PROGRA~1\\LW\\LW.ICO"}};
    channel.Replies["GROUPS"] = "Main\r\nLineWink\r\n";
    channel.Replies["LineWink"] = "LineWink,F,1\r\nLW,LW.EXE,,LW.EXE,1,2,0,0,0\r\n";
    ProgramManagerClient client(std::move(owned), paths);

    ASSERT_TRUE(client.Open(true));
    EXPECT_TRUE(client.GroupExists("linewink"));
    EXPECT_FALSE(client.GroupExists("Games"));
    EXPECT_EQ(client.FindItem("LineWink", "lw").Found, Presence::Present);
    EXPECT_EQ(client.FindItem("LineWink", "other").Found, Presence::Absent);
    EXPECT_EQ(client.FindItem("Games", "lw").Found, Presence::Unknown);
    ASSERT_TRUE(client.AddItem("LW", "LW.EXE", "C:\\Program Files\\LW\\lw.ico", 0,
                               "C:\\Program Files\\LW"));
    ASSERT_TRUE(client.AddFullItem({0, 0, 0, 0, 1, "LW", "LW.EXE", "", "C:\\Program Files\\LW"}));
    ASSERT_TRUE(client.ShowGroup("LineWink", 9));
    client.Close(true);
    client.Close(true);

    EXPECT_EQ(channel.Sent,
              (std::vector<std::string>{
                  "connect starting", "request GROUPS", "request GROUPS", "request LineWink",
                  "request LineWink", "request Games",
                  "[AddItem(LW.EXE, \"LW\", C:\\PROGRA~1\\LW\\LW.ICO, 0, , , C:\\PROGRA~1\\LW)]",
                  "[AddItem(LW.EXE, \"LW\", , 0, 0, 0, C:\\PROGRA~1\\LW, 0, 1)]",
                  "[CreateGroup(\"LineWink\")]", "disconnect closing"}));
}

}  // namespace
}  // namespace aw
