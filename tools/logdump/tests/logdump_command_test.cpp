// The command on real files: both forms of a small log, a log with bad data shown as far as it
// reads, and the messages of each failure.
#include "tools/logdump/logdump_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "installer/oplog/log_encoding.h"
#include "tools/common/file_bytes.h"
#include "tools/common/tests/command_test.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace logrec;

class LogDumpCommand : public testing::CommandTest<> {
  protected:
    LogDumpCommand() : CommandTest(RunLogDump) {}

    void SetUp() override {
        ScratchDirectoryTest::SetUp();
        path = PathOf("awlog3.000");
    }

    void Save(std::vector<LogRecord> records, const Bytes& tail = {}) {
        LogHeader header{1, 3, 0x00020001, 0x00000005, kUndoPacing, "LineWink \xe9"};
        Bytes bytes = EncodeHeader(header);
        for (LogRecord& record : records) {
            const Bytes encoded = EncodeRecord(record);
            bytes.insert(bytes.end(), encoded.begin(), encoded.end());
        }
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        ASSERT_TRUE(WriteFileBytes(path, bytes));
    }

    std::string path;
};

ProgramItem Item() {
    ProgramItem item;
    item.Name = "LineWink";
    item.CommandLine = "C:\\LW\\LINEWINK.EXE";
    item.HotKey = 0x0341;
    return item;
}

TEST_F(LogDumpCommand, TextShowsEveryRecordWithItsKindUndoClassAndFields) {
    Save({
        {0, DirCreated{"C:\\LW"}},
        {1, AttrChanged{"C:\\LW\\README.TXT", 0x21, 0x80}},
        {2, ValueChanged{{kLocalMachine, "Software\\LW"}, "Version", 1, {'2', '.', '1', 0}}},
        {0, ItemDeleted{"Old", PackProgramItem(Item())}},
        {0, DataBlock{7, {}}},
        {1, FileDeleted{"C:\\LW\\OLD.DLL"}},
        {5, GroupCreated{"LW"}},
    });
    ASSERT_EQ(Run({path}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "Operation log\n"
              "    product       LineWink \xe9\n"
              "    version       2.1.0.5\n"
              "    language      3\n"
              "    dialog style  1 (detailed)\n"
              "    undo pacing   100 ms\n"
              "    records       7\n"
              "\n"
              "#1  DirCreated  undo class 0 (will be undone)\n"
              "    directory  C:\\LW\n"
              "\n"
              "#2  AttrChanged  undo class 1 (undo optional)\n"
              "    file            C:\\LW\\README.TXT\n"
              "    old attributes  0x21 read-only archive\n"
              "    new attributes  0x80 normal\n"
              "\n"
              "#3  ValueChanged  undo class 2 (never undone, not shown)\n"
              "    key         HKLM\\Software\\LW\n"
              "    name        Version\n"
              "    old type    1 (REG_SZ)\n"
              "    old length  4\n"
              "    old data    32 2e 31 00                                      2.1.\n"
              "\n"
              "#4  ItemDeleted  undo class 0 (will be undone)\n"
              "    group                   Old\n"
              "    item name               LineWink\n"
              "    item command line       C:\\LW\\LINEWINK.EXE\n"
              "    item working directory  \n"
              "    item icon file          \n"
              "    item icon index         0\n"
              "    item x                  0\n"
              "    item y                  0\n"
              "    item hot key            0x0341\n"
              "    item run minimised      0\n"
              "\n"
              "#5  DataBlock  undo class 0 (will be undone)\n"
              "    identifier  7\n"
              "    length      0\n"
              "    data        (none)\n"
              "\n"
              "#6  FileDeleted  undo class 1 (nothing to undo)\n"
              "    file  C:\\LW\\OLD.DLL\n"
              "\n"
              "#7  GroupCreated  undo class 5 (not an undo class)\n"
              "    group  LW\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(LogDumpCommand, LongDataRunsOverRowsOfSixteenBytes) {
    Bytes data(20);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>('a' + i);
    }
    Save({{0, DataBlock{1, data}}});
    ASSERT_EQ(Run({path}), 0);
    EXPECT_NE(out.str().find("    data        61 62 63 64 65 66 67 68 69 6a 6b 6c 6d 6e 6f 70  "
                             "abcdefghijklmnop\n"
                             "                71 72 73 74                                      "
                             "qrst\n"),
              std::string::npos)
        << out.str();
}

TEST_F(LogDumpCommand, JsonNamesEveryField) {
    Save({
        {0, FileMoved{"C:\\A", "C:\\B"}},
        {2, ValueDeleted{{4, "Display"}, "", 3, {0, 0xFF}}},
        {1, ItemDeleted{"Old", PackProgramItem(Item())}},
    });
    ASSERT_EQ(Run({"--json", path}), 0) << err.str();
    EXPECT_EQ(out.str(), R"({
  "header": {
    "dialogStyle": 1,
    "language": 3,
    "versionHigh": 131073,
    "versionLow": 5,
    "undoPacing": 100,
    "productName": "LineWink \u00e9"
  },
  "records": [
    {
      "kind": "FileMoved",
      "undoClass": 0,
      "from": "C:\\A",
      "to": "C:\\B"
    },
    {
      "kind": "ValueDeleted",
      "undoClass": 2,
      "key": {
        "path": "Display",
        "root": 4
      },
      "name": "",
      "oldType": 3,
      "oldLength": 2,
      "oldData": "00ff"
    },
    {
      "kind": "ItemDeleted",
      "undoClass": 1,
      "group": "Old",
      "item": {
        "x": 0,
        "y": 0,
        "hotKey": 833,
        "iconIndex": 0,
        "runMinimised": 0,
        "name": "LineWink",
        "commandLine": "C:\\LW\\LINEWINK.EXE",
        "iconFile": "",
        "workingDirectory": ""
      }
    }
  ]
}
)");
}

TEST_F(LogDumpCommand, BadDataIsShownAsFarAsItReadsAndFails) {
    Save({{0, FontInstalled{"LW.TTF"}}}, {23, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Run({path}), 1);
    EXPECT_NE(out.str().find("#1  FontInstalled"), std::string::npos);
    EXPECT_NE(out.str().find("\nThe log contains bad data at byte"), std::string::npos);
    EXPECT_NE(err.str().find("Log file contains bad data at byte"), std::string::npos);
    EXPECT_NE(err.str().find("record kind 23 is not one of 0..22"), std::string::npos);

    EXPECT_EQ(Run({"--json", path}), 1);
    EXPECT_NE(out.str().find("\"error\": \"at byte"), std::string::npos);
}

TEST_F(LogDumpCommand, FailuresGoToTheErrorStreamWithExitCodeOne) {
    EXPECT_EQ(Run({PathOf("missing")}), 1);
    EXPECT_EQ(err.str(), "Unable to open " + PathOf("missing") + "\n");
    EXPECT_EQ(out.str(), "");

    std::ofstream(path, std::ios::binary) << "abc";
    EXPECT_EQ(Run({path}), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("the header"), std::string::npos);

    EXPECT_EQ(Run({}), 1);
    EXPECT_NE(err.str().find("usage: logdump"), std::string::npos);
    EXPECT_EQ(Run({"--text", path}), 1);
    EXPECT_EQ(Run({"--json"}), 1);
}

}  // namespace
}  // namespace aw
