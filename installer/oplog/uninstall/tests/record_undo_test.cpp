// Undoing records through the Installer: changes made and logged by the Installer itself are
// taken back newest first, and undoing never removes more than the record made without asking.
#include "installer/oplog/uninstall/record_undo.h"

#include <gtest/gtest.h>

#include "installer/controller/shared_counts.h"
#include "installer/oplog/uninstall/tests/fakes/uninstall_world.h"

namespace aw {
namespace {

class RecordUndoTest : public ::testing::Test {
  protected:
    RecordUndoTest() {
        installer.SetSilent(true);
        files.AddDirectory("D:");
        files.AddFile("D:\\A.DLL", "library");
        files.AddFile("C:\\WINDOWS\\OLD.TXT", "old");
        system.registry.Put(kLocalMachine, "Software\\Old", "v", {kRegText, {'1', 0}});
        system.iniFiles.Files["C:\\WINDOWS\\system.ini"] = "[386Enh]\r\ndevice=a\r\n";
        system.shellState.Groups["Old"] = {ProgramItem{0, 0, 0, 0, 0, "Tool", "T.EXE", "", ""}};
    }

    bool Undo(const LogRecord& record) { return UndoRecord(record, installer, user); }
    bool UndoAll() {
        installer.DetachLog();
        bool all = true;
        for (auto record = world.log.Records.rbegin(); record != world.log.Records.rend();
             ++record) {
            all = Undo(*record) && all;
        }
        return all;
    }
    std::optional<std::uint32_t> Count(const std::string& path) {
        return SharedCountOf(installer.ReadValue({kLocalMachine, kSharedDllsKey}, path));
    }

    testing::CopyWorld world;
    testing::MemoryFileSystem& files = world.files;
    testing::FakeSystem& system = world.system;
    Installer& installer = world.installer;
    testing::FakeUndoUser user;
};

TEST_F(RecordUndoTest, UndoingAnInstallationNewestFirstPutsEverythingBack) {
    const std::string systemIni = system.iniFiles.Files["C:\\WINDOWS\\system.ini"];
    const auto groups = system.shellState.Groups;
    ASSERT_EQ(installer.MakeDirectory("C:\\PRODUCT\\SUB"), kDirectoryReady);
    ASSERT_TRUE(installer.CopyPlainFile("D:\\A.DLL", "C:\\PRODUCT\\SUB\\A.DLL"));
    ASSERT_TRUE(installer.RenameFile("C:\\WINDOWS\\OLD.TXT", "C:\\PRODUCT\\OLD.TXT"));
    ASSERT_TRUE(installer.SetAttributes("C:\\PRODUCT\\OLD.TXT", kReadOnly));
    ASSERT_TRUE(installer.CreateKey({kLocalMachine, "Software\\Product\\Sub"}));
    ASSERT_TRUE(installer.SetTextValue({kLocalMachine, "Software\\Product"}, "n", "x"));
    ASSERT_TRUE(installer.SetTextValue({kLocalMachine, "Software\\Old"}, "v", "2"));
    ASSERT_TRUE(installer.DeleteValue({kLocalMachine, "Software\\Old"}, "v"));
    ASSERT_TRUE(installer.InsertIniEntry("system.ini", "386Enh", "device", "p", 0));
    ASSERT_TRUE(installer.SetIniEntry("system.ini", "386Enh", "device", "q", 1));
    ASSERT_TRUE(installer.AddIniSection("product.ini", "Product"));
    ASSERT_TRUE(installer.CreateItem({{0, 0, 0, 0, 0, "Run", "RUN.EXE", "", ""}, "Product"}));
    ASSERT_TRUE(installer.DeleteItem("Old", "Tool"));
    ASSERT_TRUE(installer.InstallFont("C:\\WINDOWS\\FONTS\\P.TTF"));

    EXPECT_TRUE(UndoAll()) << installer.LastError();
    EXPECT_FALSE(files.Has("C:\\PRODUCT"));
    EXPECT_EQ(files.Text("C:\\WINDOWS\\OLD.TXT"), "old");
    EXPECT_EQ(files.At("C:\\WINDOWS\\OLD.TXT").Attributes, 0x20u);
    EXPECT_FALSE(
        installer.Services().system.registry.KeyExists({kLocalMachine, "Software\\Product"}));
    EXPECT_EQ(installer.ReadValue({kLocalMachine, "Software\\Old"}, "v"),
              RegistryValue({kRegText, {'1', 0}}));
    EXPECT_EQ(system.iniFiles.Files["C:\\WINDOWS\\system.ini"], systemIni);
    // The INI file itself lives apart from the memory file system here: only its section tells.
    EXPECT_EQ(system.iniFiles.Files["C:\\WINDOWS\\product.ini"].find("[Product]"),
              std::string::npos);
    EXPECT_EQ(system.shellState.Groups, groups);
    EXPECT_TRUE(system.fonts.Fonts.empty());
    EXPECT_TRUE(user.Asked.empty());
}

TEST_F(RecordUndoTest, ASharedFileLosesOneCountAndGoesOnlyWhenTheUserLetsTheLastOneGo) {
    const std::string dll = "C:\\WINDOWS\\SYSTEM\\S.DLL";
    files.AddFile(dll, "shared");
    system.registry.Put(kLocalMachine, kSharedDllsKey, dll, {kRegBytes, {3, 0, 0, 0}});
    const LogRecord created{0, logrec::FileCreated{dll}};

    EXPECT_TRUE(Undo(created));
    EXPECT_EQ(Count(dll), 2u);
    EXPECT_TRUE(Undo(created));
    EXPECT_TRUE(user.Asked.empty());

    user.Answers = {false};
    EXPECT_TRUE(Undo(created));
    ASSERT_EQ(user.Asked.size(), 1u);
    EXPECT_EQ(user.Asked[0], "<46 %s> <04 " + dll + "> [<44 %s>|<43 %s>]");
    EXPECT_TRUE(files.Has(dll));
    EXPECT_EQ(Count(dll), 1u);

    EXPECT_TRUE(Undo(created));
    EXPECT_FALSE(files.Has(dll));
    EXPECT_FALSE(installer.ReadValue({kLocalMachine, kSharedDllsKey}, dll));

    files.AddFile("C:\\PRODUCT.TXT", "plain");
    EXPECT_TRUE(Undo({0, logrec::FileCreated{"C:\\PRODUCT.TXT"}}));
    EXPECT_FALSE(files.Has("C:\\PRODUCT.TXT"));
    EXPECT_EQ(user.Asked.size(), 2u);
}

TEST_F(RecordUndoTest, RemovingMoreThanTheRecordMadeIsAskedAndNoLeavesItAsItIs) {
    files.AddDirectory("C:\\P");
    files.AddFile("C:\\P\\USER.DOC", "mine");
    system.registry.Add(kLocalMachine, "Software\\P\\Sub");
    system.iniFiles.Files["C:\\WINDOWS\\p.ini"] = "[P]\r\nk=v\r\n";
    system.shellState.Groups["P"] = {ProgramItem{0, 0, 0, 0, 0, "Mine", "M.EXE", "", ""}};
    const std::vector<LogRecord> records = {
        {0, logrec::DirCreated{"C:\\P"}},
        {0, logrec::KeyCreated{{kLocalMachine, "Software\\P"}}},
        {0, logrec::IniSectionAdded{"C:\\WINDOWS\\p.ini", "P"}},
        {0, logrec::GroupCreated{"P"}},
    };
    user.Answers = {false, false, false, false};
    for (const LogRecord& record : records) {
        EXPECT_FALSE(Undo(record));
    }
    EXPECT_EQ(user.Asked, (std::vector<std::string>{"<90 %s> <8F C:\\P>",
                                                    "<96 %s> <95 HKEY_LOCAL_MACHINE\\Software\\P>",
                                                    "<92 %s> <91 P>", "<94 %s> <93 P>"}));
    EXPECT_TRUE(files.Has("C:\\P\\USER.DOC"));
    EXPECT_TRUE(system.registry.KeyExists({kLocalMachine, "Software\\P\\Sub"}));
    EXPECT_EQ(system.shellState.Groups["P"].size(), 1u);

    for (const LogRecord& record : records) {
        EXPECT_TRUE(Undo(record));
    }
    EXPECT_FALSE(files.Has("C:\\P"));
    EXPECT_FALSE(system.registry.KeyExists({kLocalMachine, "Software\\P"}));
    EXPECT_FALSE(system.shellState.Groups.contains("P"));
}

TEST_F(RecordUndoTest, AnAppendedFileIsCutBackAndADataBlockCountsAsUndone) {
    files.AddFile("C:\\LOG.TXT", "beforeafter");
    EXPECT_TRUE(Undo({0, logrec::FileExtended{"C:\\LOG.TXT", 6}}));
    EXPECT_EQ(files.Text("C:\\LOG.TXT"), "before");
    EXPECT_TRUE(Undo({0, logrec::FileExtended{"C:\\LOG.TXT", 9}}));
    EXPECT_EQ(files.Text("C:\\LOG.TXT"), "before");
    EXPECT_FALSE(Undo({0, logrec::FileExtended{"C:\\GONE.TXT", 1}}));
    EXPECT_TRUE(Undo({0, logrec::DataBlock{7, {1, 2}}}));
}

}  // namespace
}  // namespace aw
