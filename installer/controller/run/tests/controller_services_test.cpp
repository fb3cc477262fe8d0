// The services the script's events call: disks, the abort query, files with retry, the gauge,
// messages, questions and queries, and the uninstaller's installation.
#include <algorithm>

#include "installer/controller/run/tests/controller_rig.h"

namespace aw::testing {
namespace {

using Strings = std::vector<std::string>;

class ServicesTest : public ControllerTest {
  protected:
    void Start(const std::string& start = "D:\\SETUP.EXE") {
        Setting("p", start);
        ASSERT_TRUE(host.Initialise());
    }
};

TEST_F(ServicesTest, ACancelledDiskAnsweredNoIsAskedForAgain) {
    machine.Drives['A'] = DriveType::Removable;
    Start("A:\\SETUP.EXE");
    ASSERT_EQ(host.PackagingKind(), Packaging::DiskSet);
    EXPECT_TRUE(host.PromptForDisk(0, false));
    windows.Answers = {1, 1, 0};
    EXPECT_TRUE(host.PromptForDisk(1, false));
    EXPECT_EQ(BoxTexts(), (Strings{"Please insert disk: Disk 2",
                                   "Installation is incomplete\nAre you sure you want to abort the "
                                   "installation?",
                                   "Please insert disk: Disk 2"}));
    EXPECT_EQ(windows.Boxes[1].Default, 1);
    windows.Answers = {1, 0};
    EXPECT_FALSE(host.PromptForDisk(2, false));
    EXPECT_TRUE(host.PromptForDisk(1, false));
}

TEST_F(ServicesTest, DiskFoldersSwitchTheSourceAndASingleSourceNeverChanges) {
    machine.Drives['E'] = DriveType::Fixed;
    Start("E:\\dist\\disk001\\setup.exe");
    EXPECT_TRUE(host.PromptForDisk(2, false));
    EXPECT_EQ(host.SourceDirectory(), "E:\\dist\\disk003");
    EXPECT_FALSE(host.PromptForDisk(2, true));

    ControllerTest::Setting("p", "D:\\SETUP.EXE");
    ASSERT_TRUE(host.Initialise());
    EXPECT_FALSE(host.PromptForDisk(0, true));
    EXPECT_TRUE(windows.Boxes.empty());
    EXPECT_FALSE(host.PromptForDisk(1, false));
    ASSERT_EQ(windows.Boxes.size(), 1u);
    EXPECT_TRUE(windows.Boxes[0].Text.starts_with("Check failed at line "));
    EXPECT_TRUE(windows.Boxes[0].Text.ends_with(" in file ICTRLLER"));
}

TEST_F(ServicesTest, AFailedFileIsTriedAgainUntilTheUserAborts) {
    Start();
    FileRequest request;
    request.SourceKind = 1;
    request.SourcePath = "D:\\LATE.TXT";
    request.DestinationPath = "C:\\LATE.TXT";
    windows.OnBox = [&](const Box& box) {
        if (box.Title == "Query Abort" && windows.Boxes.size() == 2) {
            files.AddFile("D:\\LATE.TXT", "late");
        }
    };
    windows.Answers = {1, 1};
    EXPECT_TRUE(host.InstallFile(request));
    EXPECT_EQ(files.Text("C:\\LATE.TXT"), "late");
    request.SourcePath = "D:\\NEVER.TXT";
    windows.Answers = {1, 0};
    EXPECT_FALSE(host.InstallFile(request));
}

TEST_F(ServicesTest, EachFileTakesTheMinimumTimeAcrossTheTickWrap) {
    Start();
    files.AddFile("D:\\A.TXT", "a");
    script.MinimumMilliseconds = 300;
    machine.Clock = 0xFFFFFF00;
    FileRequest request;
    request.SourceKind = 1;
    request.SourcePath = "D:\\A.TXT";
    request.DestinationPath = "C:\\A.TXT";
    EXPECT_TRUE(host.InstallFile(request));
    EXPECT_EQ(windows.Calls, Strings{"wait 300"});
    EXPECT_EQ(machine.Clock, 0x2Cu);
}

TEST_F(ServicesTest, TheGaugeCountsSelectedEventsBetweenTheRangeAndAdvancesByTwo) {
    Start();
    script.EventSizes = {100, 10, 20, 30, 100};
    script.RangeFirst = 0;
    script.RangeLast = 4;
    host.SelectionFlags() = {true, true, false, true, true};
    host.BeginProgress(0, 0, 0);
    EXPECT_TRUE(windows.ProgressShown);
    host.AdvanceProgress(5);
    host.GaugeStart(35);
    EXPECT_TRUE(host.GaugeStep(10));
    host.GaugeEnd();
    EXPECT_EQ(windows.Percents, (std::vector<std::int32_t>{0, 5, 10, 12, 37, 100}));
    EXPECT_EQ(windows.Calls, Strings{"lines Skipping what is not installed..."});
    EXPECT_EQ(host.DiskSpaceNeeded(), 24);
    EXPECT_TRUE(windows.Boxes.empty());
    host.GaugeStep(1);
    EXPECT_EQ(windows.Percents.back(), 100);
    EXPECT_EQ(BoxTexts().size(), 1u);
}

TEST_F(ServicesTest, TheGaugeIsRedrawnOnlyWhenItsFigureChanges) {
    Start();
    script.EventSizes = {0, 1000, 0};
    script.RangeFirst = 0;
    script.RangeLast = 2;
    host.SelectionFlags() = {true, true, true};
    host.BeginProgress(0, 0, 0);
    host.GaugeStart(1000);
    for (int step = 0; step < 30; ++step) {
        host.GaugeStep(1);
    }
    host.BeginProgress(0, 0, 0);
    EXPECT_EQ(windows.Percents, (std::vector<std::int32_t>{0, 1, 2, 3, 0}));
}

TEST_F(ServicesTest, CancelInTheProgressWindowStopsTheCopyUntilTheUserGoesOn) {
    Start();
    script.EventSizes = {0, 100, 0};
    script.RangeFirst = 0;
    script.RangeLast = 2;
    host.SelectionFlags() = {true, true, true};
    host.BeginProgress(0, 0, 0);
    windows.CancelAfterMessages = windows.Messages + 2;
    EXPECT_TRUE(host.GaugeStep(1));
    EXPECT_FALSE(host.GaugeStep(1));
}

TEST_F(ServicesTest, BillboardsFollowTheProgressWhileTheScreenIsUp) {
    Start();
    script.EventSizes = {0, 90, 0};
    script.RangeFirst = 0;
    script.RangeLast = 2;
    script.Billboards = 3;
    host.SelectionFlags() = {true, true, true};
    host.BeginProgress(0, 0, 0);
    host.GaugeStep(10);
    host.GaugeStep(30);
    windows.IconVisible = true;
    host.GaugeStep(30);
    EXPECT_EQ(host.Calls,
              (Strings{"billboard 0", "hide billboard", "billboard 1", "hide billboard"}));
}

TEST_F(ServicesTest, ErrorsFormatLikePrintfWithinTheirLength) {
    Start();
    host.ReportFormatted("%d of %s", 3, "disks");
    host.ReportFormatted("%s", std::string(600, 'x').c_str());
    EXPECT_EQ(BoxTexts(), (Strings{"3 of disks", std::string(512, 'x')}));
    EXPECT_EQ(windows.Boxes[0].Template, BoxTemplate::Plain);
    EXPECT_EQ(windows.Boxes[0].Title, "");
    windows.Language = "aw.dll";
    host.CheckFailed("EVENT", 12);
    EXPECT_EQ(windows.Boxes[2].Template, BoxTemplate::Error);
    EXPECT_EQ(windows.Boxes[2].Text, "Check failed at line 12 in file EVENT");
}

TEST_F(ServicesTest, QueriesOfTheMachine) {
    Setting("cmdl", "/a  b /c");
    Start();
    files.Profile["c:\\app\\app.ini|s|e"] = "value";
    ReadIniEntryRequest ini{"C:\\APP", "APP.INI", "s", "e", false, ""};
    host.ReadIniEntry(ini);
    EXPECT_TRUE(ini.Found);
    EXPECT_EQ(ini.Value, "value");
    ini.Entry = "other";
    host.ReadIniEntry(ini);
    EXPECT_FALSE(ini.Found);

    world.system.registry.Put(0, "Software\\X", "n", {kRegNumber, {0xFE, 0xFF, 0xFF, 0xFF}});
    world.system.registry.Put(0, "Software\\X", "t", {kRegText, {'h', 'i', 0}});
    ReadRegistryRequest registry{2, "Software\\X", "n", false, ""};
    host.ReadRegistryValue(registry);
    EXPECT_EQ(registry.Value, "4294967294");
    registry.ValueName = "t";
    host.ReadRegistryValue(registry);
    EXPECT_EQ(registry.Value, "hi");
    registry.ValueName = "none";
    host.ReadRegistryValue(registry);
    EXPECT_FALSE(registry.Found);

    CompareRequest compare{0, "abc", "ABD", 0};
    host.CompareTexts(compare);
    EXPECT_LT(compare.Result, 0);
    compare = {1, "abc", "ABC", 0};
    host.CompareTexts(compare);
    EXPECT_GT(compare.Result, 0);

    EXPECT_EQ(host.ArgumentCount(), 3);
    std::string argument;
    EXPECT_TRUE(host.Argument(2, argument));
    EXPECT_EQ(argument, "b");
    EXPECT_FALSE(host.Argument(4, argument));
    EXPECT_EQ(BoxTexts(), Strings{"No argument at 4"});

    CdRomRequest cd;
    host.FirstCdRom(cd);
    EXPECT_EQ(cd.Root, "D:\\");
    EXPECT_EQ(host.Processor(), 586);
}

TEST_F(ServicesTest, ProgramsStartInTheirDirectoryOrSayWhyNot) {
    Start();
    ExecuteRequest request;
    request.Kind = 1;
    request.CommandLine = "setup2.exe /q";
    request.WorkingDirectory = "C:\\WINDOWS";
    EXPECT_TRUE(host.ExecuteProgram(request));
    EXPECT_EQ(request.ExitCode, 7u);
    EXPECT_EQ(files.Current, "C:\\WINDOWS");
    machine.ExecuteWorks = false;
    EXPECT_FALSE(host.ExecuteProgram(request));
    EXPECT_EQ(BoxTexts(), Strings{"Unable to execute setup2.exe /q"});
}

TEST_F(ServicesTest, TheThirdButtonAsksWhetherToAbortAndElseAsksAgain) {
    Start();
    MessageRequest request{0, "Install the extras?", 0};
    windows.Answers = {2, 1, 1};
    EXPECT_TRUE(host.AskThreeButtons(request));
    EXPECT_EQ(request.Answer, 0);
    EXPECT_EQ(windows.Boxes.size(), 3u);
    EXPECT_EQ(windows.Boxes[0].Buttons, (Strings{"&Yes", "&No", "&Abort"}));
    windows.Answers = {2, 0};
    EXPECT_FALSE(host.AskThreeButtons(request));
}

TEST_F(ServicesTest, TheUninstallerGoesIntoItsDirectoryWithItsKeyAndShortcut) {
    files.AddDirectory("C:\\APP");
    MediaFile("HELPER.DLL", "helper", true);
    UninstallerRequest request{
        1, 0, "Line Wink", "C:\\APP\\UNINST", "C:\\APP\\lw.exe", &script.Files[0], nullptr};
    script.Events = [&](InstallController& controller) {
        EXPECT_TRUE(controller.InstallUninstaller(request));
        EXPECT_TRUE(controller.InstallUninstaller(request));
        return 0;
    };
    EXPECT_EQ(InitialiseAndRun(), 0);
    EXPECT_EQ(host.BackDirectory(), "C:\\APP\\UNINST");
    EXPECT_EQ(files.Text("C:\\APP\\UNINST\\awmain.exe"), "engine");
    EXPECT_EQ(files.Text("C:\\APP\\UNINST\\awenu.dll"), "library");
    EXPECT_EQ(files.Text("C:\\WINDOWS\\HELPER.DLL"), "helper");
    const RegistryKey key{0, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LineWink"};
    ASSERT_TRUE(world.system.registry.ReadValue(key, "UninstallString"));
    EXPECT_EQ(world.system.registry.ReadValue(key, "UninstallString")->Data.size(),
              sizeof "C:\\APP\\UNINST\\awmain.exe");
    const std::vector<ProgramItem>& items = world.system.shellState.Groups.at("Line Wink");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Name, "<C8 %s>");
    EXPECT_EQ(items[0].CommandLine, "\"C:\\APP\\UNINST\\awmain.exe\"");
    EXPECT_EQ(std::count(windows.Calls.begin(), windows.Calls.end(), "show 3 Line Wink <C9 %s>"),
              1);
}

TEST_F(ServicesTest, AnUninstallerThatCannotBeCompletedTakesAwayWhatNoLogRecords) {
    files.AddDirectory("C:\\APP");
    world.system.shellState.FailCalls.insert("create group Line Wink");
    UninstallerRequest request{0, 0, "Line Wink", "C:\\APP\\UNINST", "", nullptr, nullptr};
    script.Events = [&](InstallController& controller) {
        EXPECT_FALSE(controller.InstallUninstaller(request));
        return 1;
    };
    EXPECT_EQ(InitialiseAndRun(), 1);
    EXPECT_FALSE(files.Has("C:\\APP\\UNINST\\awmain.exe"));
    EXPECT_FALSE(files.Has("C:\\APP\\UNINST\\awenu.dll"));
    EXPECT_FALSE(world.system.registry.KeyExists(
        {0, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LineWink"}));
    EXPECT_EQ(host.BackDirectory(), "");
    EXPECT_EQ(BoxTexts().back(), "Unable to install the uninstaller");
}

TEST_F(ServicesTest, UnattendedNothingWaitsAndNoDiskComes) {
    Setting("u", "1");
    machine.Drives['A'] = DriveType::Removable;
    Start("A:\\SETUP.EXE");
    EXPECT_TRUE(host.Unattended());
    EXPECT_FALSE(host.AbortQuery());
    EXPECT_FALSE(host.PromptForDisk(1, false));
    MessageRequest question{0, "Sure?", 0};
    EXPECT_TRUE(host.AskThreeButtons(question));
    EXPECT_EQ(question.Answer, 1);
    host.ReportFormatted("failed");
    EXPECT_TRUE(windows.Boxes.empty());
    EXPECT_EQ(windows.Told, std::vector<std::string>{"failed"});
}

}  // namespace
}  // namespace aw::testing
