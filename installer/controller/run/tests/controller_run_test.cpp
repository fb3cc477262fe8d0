// The controller's start and run as the program entry drives them: "awmain.ini", the steps of
// the run with their failures, the completion and the finish with its archive.
#include "installer/controller/run/tests/controller_rig.h"
#include "installer/oplog/log_loading.h"

namespace aw::testing {
namespace {

using Strings = std::vector<std::string>;

std::string Ini(MemoryFileSystem& files, const std::string& file, const std::string& key) {
    return files.ReadProfileEntry(file, "x", key, "<none>");
}

TEST_F(ControllerTest, StartFileAndSizeMustBeThere) {
    Setting("sz", "0");
    EXPECT_FALSE(host.Initialise());
    Setting("sz", "12");
    Setting("p", "");
    EXPECT_FALSE(host.Initialise());
    EXPECT_EQ(BoxTexts(), Strings(2, "p or sz undefined in awmain.ini"));
    EXPECT_EQ(windows.Boxes[0].Template, BoxTemplate::Plain);
}

TEST_F(ControllerTest, DiskFoldersOnAFixedDriveButNotOnADiskette) {
    Setting("p", "E:\\dist\\DISK001\\setup.exe");
    machine.Drives['E'] = DriveType::Fixed;
    ASSERT_TRUE(host.Initialise());
    EXPECT_EQ(host.PackagingKind(), Packaging::DiskFolders);
    EXPECT_EQ(host.StartFile(), "E:\\dist\\DISK001\\setup.exe");
    EXPECT_EQ(host.SourceDirectory(), "E:\\dist\\DISK001");

    machine.Drives['E'] = DriveType::Removable;
    files.Figures = DiskFigures{1, 512, 100, 2880};
    EXPECT_FALSE(host.Initialise());
    EXPECT_EQ(BoxTexts(), Strings{"Invalid packaging-media combination"});
    files.Figures = DiskFigures{8, 512, 10240, 99999};
    EXPECT_TRUE(host.Initialise());
    EXPECT_EQ(host.PackagingKind(), Packaging::DiskFolders);
}

TEST_F(ControllerTest, ARunGoesThroughItsStepsAndPutsDownWhatItSetUp) {
    MediaFile("LZPUNZ2.DLL", "aux", true);
    files.Profile["win.ini|Intl|sLanguage"] = "ENA";
    script.EventSizes = {1, 2, 3};
    EXPECT_EQ(InitialiseAndRun(), 0);
    EXPECT_EQ(Ini(files, "C:\\SETUP\\awmain.ini", "r"), "0");
    EXPECT_EQ(files.Text("C:\\SETUP\\LZPUNZ2.DLL"), "aux");
    EXPECT_EQ(host.SelectionFlags(), std::vector<bool>(3, true));
    EXPECT_EQ(host.Calls, (Strings{"create screen", "run script", "destroy screen", "unload"}));
    EXPECT_EQ(windows.Calls,
              (Strings{"language C:\\SETUP\\aweng.dll", "icon C:\\SETUP\\awmain.ico",
                       "icon window <29 %s>", "icon title Line Wink", "help C:\\SETUP\\aweng.hlp",
                       "close help", "destroy icon window", "free icon"}));
    EXPECT_FALSE(windows.LanguageLoaded());
    const std::optional<LoadedLog> log = LoadLog(logFiles, "C:\\SETUP\\awlog3.nnn", world.report);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->Header, (LogHeader{1, 2, 0x10002, 3, 100, "Line Wink"}));
}

TEST_F(ControllerTest, AnUnattendedRunShowsNoWindowButDoesItsWork) {
    Setting("u", "1");
    script.EventSizes = {1, 2, 3};
    script.Billboards = 2;
    bool progressShown = true;
    script.Events = [&](InstallController& controller) {
        controller.BeginProgress(0, 0, 0);
        progressShown = windows.ProgressShown;
        controller.ShowBanner(BannerKind::First);
        controller.ShowMessageWindow({0, 0, 0, "Title", "Text"});
        controller.EndProgress();
        return 0;
    };
    EXPECT_EQ(InitialiseAndRun(), 0);
    EXPECT_FALSE(progressShown);
    EXPECT_EQ(host.ShownBillboard, -1);
    EXPECT_EQ(host.Calls, (Strings{"run script", "unload"}));
    EXPECT_EQ(windows.Calls, (Strings{"language C:\\SETUP\\awenu.dll", "help C:\\SETUP\\awenu.hlp",
                                      "close help"}));
    EXPECT_EQ(Ini(files, "C:\\SETUP\\awmain.ini", "r"), "0");
}

TEST_F(ControllerTest, EachFailingStepSaysWhyAndUndoesWhatCameBefore) {
    ASSERT_TRUE(host.Initialise());
    script.Files.push_back(DistributionEntry{0, 1, 1, 0, 0, 3, 3, "MISSING.DLL", {}});
    EXPECT_EQ(host.Run(), 1);
    script.Files.clear();
    windows.LanguageWorks = false;
    EXPECT_EQ(host.Run(), 1);
    windows.LanguageWorks = true;
    script.ScreenWorks = false;
    EXPECT_EQ(host.Run(), 1);
    EXPECT_FALSE(windows.LanguageLoaded());
    script.ScreenWorks = true;
    windows.IconWindowWorks = false;
    EXPECT_EQ(host.Run(), 1);
    EXPECT_EQ(host.Calls.back(), "destroy screen");
    EXPECT_EQ(BoxTexts(), (Strings{"Unable to copy the aux files", "Unable to load language DLL",
                                   "Unable to realize the install screen",
                                   "Unable to create the icon window"}));
}

TEST_F(ControllerTest, AQueuedReplacementNeedsARestartEvenAfterStayHere) {
    script.Events = [&](InstallController& controller) {
        files.AddFile("C:\\APP\\BUSY.DLL", "old");
        files.Lock("C:\\APP\\BUSY.DLL");
        files.AddFile("C:\\NEW.DLL", "new");
        FileRequest request;
        request.SourceKind = 1;
        request.InUsePolicy = 1;
        request.SourcePath = "C:\\NEW.DLL";
        request.DestinationPath = "C:\\APP\\BUSY.DLL";
        EXPECT_TRUE(controller.InstallFile(request));
        CompletionRequest completion{0, 0, 1, 0, false};
        controller.SetCompletion(completion);
        EXPECT_EQ(completion.Status, 0);
        return controller.CompletionStatus();
    };
    files.AddDirectory("C:\\APP");
    windows.Answers = {1};
    EXPECT_EQ(InitialiseAndRun(), 2);
    EXPECT_EQ(windows.Boxes.at(0).Buttons, (Strings{"<3F %s>", "<40 %s>"}));
    EXPECT_EQ(windows.Boxes.at(0).Text, "<3E Line Wink>");
}

TEST_F(ControllerTest, AnAbortAfterTheUninstallerArchivesTheLogAndPreparesTheRollback) {
    files.AddDirectory("C:\\APP");
    files.AddDirectory("C:\\APP\\UNINST");
    files.AddFile("C:\\APP\\UNINST\\awlog3.000", "earlier");
    world.system.shortPaths.Forms["C:\\APP\\UNINST\\awmain.exe"] = "C:\\APP\\UNINST\\AWMAIN.EXE";
    script.Events = [&](InstallController& controller) {
        UninstallerRequest request;
        request.BackDirectory = "C:\\APP\\UNINST";
        EXPECT_TRUE(controller.InstallUninstaller(request));
        EXPECT_TRUE(controller.MakeDirectory("C:\\APP\\DATA"));
        return 1;
    };
    EXPECT_EQ(InitialiseAndRun(), 6);
    EXPECT_EQ(Ini(files, "C:\\SETUP\\awmain.ini", "r"), "6");
    const std::optional<LoadedLog> log =
        LoadLog(logFiles, "C:\\APP\\UNINST\\awlog3.001", world.report);
    ASSERT_TRUE(log);
    ASSERT_EQ(log->Records.size(), 1u);
    EXPECT_EQ(files.Text("C:\\APP\\UNINST\\awlog3.000"), "earlier");
    const std::string handOver = "C:\\WINDOWS\\movexe.ini";
    EXPECT_EQ(Ini(files, handOver, "f"), "C:\\APP\\UNINST\\AWMAIN.EXE");
    EXPECT_EQ(Ini(files, handOver, "t"), "");
    EXPECT_EQ(Ini(files, handOver, "x"), "1");
}

TEST_F(ControllerTest, WithoutTheUninstallerAnAbortIsAFailureAndAnInstallLeavesNoArchive) {
    script.Events = [](InstallController&) { return 1; };
    EXPECT_EQ(InitialiseAndRun(), 1);
    EXPECT_FALSE(files.Has("C:\\WINDOWS\\movexe.ini"));
}

TEST_F(ControllerTest, AppendingAddsTheRecordsToTheNewestArchive) {
    files.AddDirectory("C:\\APP");
    auto install = [&](std::int32_t append, const std::string& directory) {
        script.Events = [&, append, directory](InstallController& controller) {
            UninstallerRequest request;
            request.BackDirectory = "C:\\APP\\UNINST";
            request.AppendLog = append;
            EXPECT_TRUE(controller.InstallUninstaller(request));
            EXPECT_TRUE(controller.MakeDirectory(directory));
            return 0;
        };
        TestHost run(system, script);
        EXPECT_TRUE(run.Initialise());
        EXPECT_EQ(run.Run(), 0);
    };
    install(0, "C:\\APP\\ONE");
    install(1, "C:\\APP\\TWO");
    EXPECT_FALSE(files.Has("C:\\APP\\UNINST\\awlog3.001"));
    const std::optional<LoadedLog> log =
        LoadLog(logFiles, "C:\\APP\\UNINST\\awlog3.000", world.report);
    ASSERT_TRUE(log);
    // The back directory, then ONE; then TWO (the back directory stood already).
    EXPECT_EQ(log->Records.size(), 3u);
}

}  // namespace
}  // namespace aw::testing
