// The INI operations of the Installer: records, the temporary file's life, the event's modes and
// the system-INI flag. Files are held in memory; the Wine tests check the same on disk.
#include <gtest/gtest.h>

#include "installer/controller/installer.h"
#include "installer/controller/tests/fakes/copy_world.h"
#include "installer/oplog/record_sink.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

const std::string kSystemIni = "C:\\WINDOWS\\system.ini";
const std::string kAppIni = "C:\\APP\\app.ini";

class InstallerIniTest : public testing::InstallerWorldTest {
  protected:
    testing::FakeIniFiles& files = system.iniFiles;
};

TEST_F(InstallerIniTest, ASecondEntryOfANameInSystemIniIsOccurrenceOneAndSetsTheFlag) {
    const std::string file = "C:\\windows\\SYSTEM.INI";
    files.Files[file] = "[386Enh]\r\ndevice=*vpicd\r\n";
    IniRequest request{1000, 1, 0, 1, "386Enh", "device", "lnwink95.vxd", file};
    ASSERT_TRUE(installer.WriteIni(request));

    EXPECT_EQ(files.Files[file], "[386Enh]\r\ndevice=*vpicd\r\ndevice=lnwink95.vxd\r\n");
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload,
              LogPayload(logrec::IniEntryAdded{request.File, "386Enh", "device", 1}));
    EXPECT_TRUE(installer.SystemIniChanged());
}

TEST_F(InstallerIniTest, InsertingWithTheSkipFlagAndTheValuePresentChangesNothing) {
    files.Files[kSystemIni] = "[386Enh]\r\ndevice=*vpicd\r\nDEVICE=LnWink95.VXD\r\n";
    IniRequest request{1000, 1, 0, 1, "386enh", "device", "lnwink95.vxd", kSystemIni};
    ASSERT_TRUE(installer.WriteIni(request));
    EXPECT_TRUE(files.Steps.empty());
    EXPECT_TRUE(log.Records.empty());
    EXPECT_FALSE(installer.SystemIniChanged());

    request.SkipIfValuePresent = 0;
    ASSERT_TRUE(installer.WriteIni(request));
    EXPECT_EQ(files.Files[kSystemIni],
              "[386Enh]\r\ndevice=*vpicd\r\nDEVICE=LnWink95.VXD\r\ndevice=lnwink95.vxd\r\n");
}

TEST_F(InstallerIniTest, SetModeChangesTheFirstOccurrenceOnlyWhenAskedToReplace) {
    files.Files[kAppIni] = "[Main]\r\nPort=1\r\nPort=2\r\n";
    IniRequest request{1000, 0, 0, 1, "Main", "port", "3", kAppIni};
    ASSERT_TRUE(installer.WriteIni(request));
    EXPECT_TRUE(log.Records.empty());

    request.ReplaceExisting = 1;
    ASSERT_TRUE(installer.WriteIni(request));
    EXPECT_EQ(files.Files[kAppIni], "[Main]\r\nPort=3\r\nPort=2\r\n");
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload,
              LogPayload(logrec::IniEntryChanged{kAppIni, "Main", "port", "1", 0}));
    EXPECT_FALSE(installer.SystemIniChanged());
}

TEST_F(InstallerIniTest, AnEntryInANewFileLogsTheFileTheSectionAndTheEntry) {
    ASSERT_TRUE(installer.SetIniEntry(kAppIni, "Main", "Port", "2", 3));
    EXPECT_EQ(files.Files[kAppIni], "[Main]\r\nPort=2\r\n");
    const std::vector<LogPayload> expected = {
        logrec::FileCreated{kAppIni},
        logrec::IniSectionAdded{kAppIni, "Main"},
        logrec::IniEntryAdded{kAppIni, "Main", "Port", 0},
    };
    ASSERT_EQ(log.Records.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log.Records[i].Payload, expected[i]);
    }
}

TEST_F(InstallerIniTest,
       TheNewFileIsCompleteBeforeTheOldOneIsSetAsideAndTempNamesSkipExistingOnes) {
    files.Files[kAppIni] = "[Main]\r\n";
    files.Files["C:\\APP\\ini000.000"] = "someone else's";
    ASSERT_TRUE(installer.InsertIniEntry(kAppIni, "Main", "a", "1", 0));
    ASSERT_TRUE(installer.InsertIniEntry(kAppIni, "Main", "b", "2", 0));
    EXPECT_EQ(files.Steps, (std::vector<std::string>{
                               "write C:\\APP\\ini000.001",
                               "rename C:\\APP\\app.ini C:\\APP\\ini000.002",
                               "rename C:\\APP\\ini000.001 C:\\APP\\app.ini",
                               "delete C:\\APP\\ini000.002",
                               "write C:\\APP\\ini000.002",
                               "rename C:\\APP\\app.ini C:\\APP\\ini000.003",
                               "rename C:\\APP\\ini000.002 C:\\APP\\app.ini",
                               "delete C:\\APP\\ini000.003",
                           }));
    EXPECT_EQ(files.Files["C:\\APP\\ini000.000"], "someone else's");
    EXPECT_EQ(files.Files[kAppIni], "[Main]\r\na=1\r\nb=2\r\n");
}

TEST_F(InstallerIniTest, AFailedWriteOrDeleteOfTheOldFileLeavesItAndNoTemporaryOne) {
    files.Files[kAppIni] = "[Main]\r\nx=1\r\n";
    files.FailDelete.insert("C:\\APP\\ini000.001");
    EXPECT_FALSE(installer.SetIniEntry(kAppIni, "Main", "x", "2", 0));
    files.FailDelete.clear();
    files.FailWrite = true;
    EXPECT_FALSE(installer.DeleteIniEntry(kAppIni, "Main", "x", 0));
    files.FailWrite = false;
    files.Unreadable.insert(kAppIni);
    EXPECT_FALSE(installer.AddIniSection(kAppIni, "New"));

    EXPECT_EQ(files.Files, (std::map<std::string, std::string>{{kAppIni, "[Main]\r\nx=1\r\n"}}));
    EXPECT_EQ(report.Errors, (std::vector<std::string>{
                                 "Unable to set INI entry x",
                                 "Unable to del INI entry x",
                                 "Unable to add INI section New in file C:\\APP\\app.ini",
                             }));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerIniTest, DeletingASectionLogsEachEntryAsTheFirstLeftThenTheSection) {
    files.Files[kAppIni] = "[Main]\r\nk=1\r\nj=2\r\nk=3\r\n[Keep]\r\n";
    ASSERT_TRUE(installer.DeleteIniSection(kAppIni, "main"));
    EXPECT_EQ(files.Files[kAppIni], "[Keep]\r\n");
    const std::vector<LogPayload> expected = {
        logrec::IniEntryDeleted{kAppIni, "main", "k", "1", 0},
        logrec::IniEntryDeleted{kAppIni, "main", "j", "2", 0},
        logrec::IniEntryDeleted{kAppIni, "main", "k", "3", 0},
        logrec::IniSectionDeleted{kAppIni, "main"},
    };
    ASSERT_EQ(log.Records.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log.Records[i].Payload, expected[i]);
    }
    EXPECT_TRUE(installer.DeleteIniSection(kAppIni, "main"));
    EXPECT_EQ(log.Records.size(), expected.size());
}

TEST_F(InstallerIniTest, MissingEntriesAndSectionsAreNoChange) {
    EXPECT_TRUE(installer.DeleteIniEntry(kAppIni, "Main", "x", 0));
    files.Files[kAppIni] = "[Main]\r\nx=1\r\n";
    EXPECT_TRUE(installer.DeleteIniEntry(kAppIni, "Main", "x", 1));
    EXPECT_TRUE(installer.AddIniSection(kAppIni, "MAIN"));
    EXPECT_TRUE(files.Steps.empty());
    EXPECT_TRUE(log.Records.empty());
    EXPECT_TRUE(installer.IniSectionHasEntries(kAppIni, "main"));
    EXPECT_FALSE(installer.IniSectionHasEntries(kAppIni, "other"));
}

TEST_F(InstallerIniTest, AFileWithoutADirectoryIsTheWindowsDirectorysOne) {
    ASSERT_TRUE(installer.AddIniSection("win.ini", "AWMAIN"));
    EXPECT_EQ(files.Files["C:\\WINDOWS\\win.ini"], "[AWMAIN]\r\n");
    ASSERT_EQ(log.Records.size(), 2u);
    EXPECT_EQ(log.Records[1].Payload,
              LogPayload(logrec::IniSectionAdded{"C:\\WINDOWS\\win.ini", "AWMAIN"}));
}

}  // namespace
}  // namespace aw
