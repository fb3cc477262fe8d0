// The uninstall controller: its two stages with the hand-over between them, the undo pass, the
// dialog's commands and the unattended run.
#include "installer/oplog/uninstall/uninstall_controller.h"

#include <gtest/gtest.h>

#include "installer/oplog/uninstall/tests/fakes/uninstall_world.h"

namespace aw {
namespace {

constexpr char kBack[] = "C:\\PROGRAM\\BACK";
constexpr char kKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LineWink";

LogRecord Dir(const std::string& path, std::int32_t undoClass = 0) {
    return {undoClass, logrec::DirCreated{path}};
}

class UninstallControllerTest : public ::testing::Test {
  protected:
    void PutLog(const std::string& path, std::vector<LogRecord> records) {
        files.AddFile(path, testing::LogBytes({1, 3, 0, 0, 100, "Line Wink"}, std::move(records)));
    }
    // A second stage in the drive root, handed over from the back directory.
    void SecondStage(std::vector<LogRecord> records) {
        w.system.Program = "C:\\AWMAIN.EXE";
        w.system.WinIni["AWMAIN|b"] = kBack;
        PutLog("C:\\awlog3.000", std::move(records));
        files.AddFile("C:\\awenu.dll", "texts");
        registry.Add(kLocalMachine, kKey);
    }
    std::string Movexe(const char* key) {
        return files.ReadProfileEntry("C:\\WINDOWS\\movexe.ini", "x", key, "(none)");
    }
    // The dialog as a user works it: start, then close.
    void StartThenClose() {
        w.view.Dialog = [](std::int32_t, UninstallController& controller) {
            testing::FakeObserver observer;
            controller.StartCommand(observer);
            return controller.CloseCommand(observer).value_or(DialogEnd::Cancelled);
        };
    }
    std::vector<RecordState> States(const UninstallController& c) {
        std::vector<RecordState> states;
        for (const LogRecord& record : c.Records()) {
            states.push_back(record.State);
        }
        return states;
    }

    testing::UninstallWorld w;
    testing::MemoryFileSystem& files = w.world.files;
    testing::FakeRegistry& registry = w.world.system.registry;
    std::vector<std::string>& errors = w.world.report.Errors;
};

TEST_F(UninstallControllerTest, TheNewestOfSeveralLogsIsUndoneInPlaceAndOnlyItsLogGoes) {
    files.AddDirectory("C:\\P1");
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {Dir("C:\\P0")});
    PutLog("C:\\PROGRAM\\BACK\\awlog3.001", {Dir("C:\\P1")});
    StartThenClose();
    UninstallController controller = w.NewController();
    ASSERT_TRUE(controller.Initialise());
    EXPECT_EQ(controller.Stage(), 0);
    EXPECT_EQ(controller.Run(), 0);
    EXPECT_EQ(w.view.Loaded, (std::vector<std::string>{"C:\\PROGRAM\\BACK\\awenu.dll"}));
    EXPECT_EQ(w.view.Styles, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(w.user.Asked, (std::vector<std::string>{"<9B %s> <9A Line Wink>"}));
    EXPECT_FALSE(files.Has("C:\\P1"));
    EXPECT_FALSE(files.Has("C:\\PROGRAM\\BACK\\awlog3.001"));
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awlog3.000"));
    EXPECT_EQ(w.system.MovexeStarts, 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(UninstallControllerTest, TheLastInstallationsFirstStageHandsOverAndEnds) {
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {Dir("C:\\P0")});
    files.AddFile("C:\\PROGRAM\\BACK\\awenu.dll", "texts");
    UninstallController controller = w.NewController();
    EXPECT_FALSE(controller.Initialise());
    EXPECT_TRUE(controller.HandedOver());
    EXPECT_EQ(w.system.WinIni["AWMAIN|b"], kBack);
    EXPECT_TRUE(files.Has("C:\\awlog3.000"));
    EXPECT_TRUE(files.Has("C:\\awenu.dll"));
    EXPECT_FALSE(files.Has("C:\\PROGRAM\\BACK\\awenu.dll"));
    EXPECT_EQ(Movexe("f"), "C:\\PROGRAM\\BACK\\AWMAIN.EXE");
    EXPECT_EQ(Movexe("t"), "C:\\");
    EXPECT_EQ(Movexe("x"), "1");
    EXPECT_EQ(w.system.MovexeStarts, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(UninstallControllerTest, AFailedHandOverPutsTheCompanionsBackAndForgetsTheBackDirectory) {
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {Dir("C:\\P0")});
    UninstallController missing = w.NewController();
    EXPECT_FALSE(missing.Initialise());
    files.AddFile("C:\\PROGRAM\\BACK\\awenu.dll", "texts");
    w.system.MovexeStartsFail = true;
    UninstallController failing = w.NewController();
    EXPECT_FALSE(failing.Initialise());
    EXPECT_EQ(errors, (std::vector<std::string>{"C:\\PROGRAM\\BACK\\awenu.dll not found",
                                                "Unable to launch movexe"}));
    EXPECT_FALSE(missing.HandedOver() || failing.HandedOver());
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awlog3.000"));
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awenu.dll"));
    EXPECT_FALSE(files.Has("C:\\awlog3.000") || files.Has("C:\\awenu.dll"));
    EXPECT_TRUE(w.system.WinIni.empty());
}

TEST_F(UninstallControllerTest, TheSecondStageNeedsTheBackDirectoryAndFinishesInTheRoot) {
    w.system.Program = "C:\\AWMAIN.EXE";
    UninstallController undefined = w.NewController();
    EXPECT_FALSE(undefined.Initialise());
    EXPECT_EQ(errors, (std::vector<std::string>{"Back dir is undefined"}));

    files.AddDirectory("C:\\P0");
    SecondStage({Dir("C:\\P0")});
    StartThenClose();
    UninstallController controller = w.NewController();
    ASSERT_TRUE(controller.Initialise());
    EXPECT_EQ(controller.Stage(), 1);
    EXPECT_EQ(controller.BackDirectory(), kBack);
    EXPECT_TRUE(w.system.WinIni.empty());
    EXPECT_EQ(controller.Run(), 0);
    EXPECT_FALSE(files.Has("C:\\P0"));
    EXPECT_FALSE(registry.KeyExists({kLocalMachine, kKey}));
    EXPECT_FALSE(files.Has("C:\\awlog3.000") || files.Has("C:\\awenu.dll"));
    EXPECT_EQ(Movexe("f"), "C:\\AWMAIN.EXE");
    EXPECT_EQ(Movexe("t"), "");
    EXPECT_EQ(Movexe("x"), "0");
    EXPECT_EQ(w.system.MovexeStarts, 1);
}

TEST_F(UninstallControllerTest, CancellingTheSecondStageReturnsEverythingToTheBackDirectory) {
    files.AddDirectory("C:\\P0");
    SecondStage({Dir("C:\\P0")});
    w.view.Dialog = [](std::int32_t, UninstallController&) { return DialogEnd::Cancelled; };
    UninstallController controller = w.NewController();
    ASSERT_TRUE(controller.Initialise());
    EXPECT_EQ(controller.Run(), 0);
    EXPECT_TRUE(files.Has("C:\\P0"));
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awlog3.000"));
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awenu.dll"));
    EXPECT_TRUE(registry.KeyExists({kLocalMachine, kKey}));
    EXPECT_EQ(Movexe("t"), kBack);
    EXPECT_EQ(Movexe("x"), "0");
}

TEST_F(UninstallControllerTest, ASecondStageThatCannotReadItsLogReturnsEverything) {
    SecondStage({Dir("C:\\P0")});
    files.At("C:\\awlog3.000").Bytes.resize(3);
    UninstallController controller = w.NewController();
    EXPECT_FALSE(controller.Initialise());
    EXPECT_EQ(errors, (std::vector<std::string>{"Log file contains bad data"}));
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awlog3.000"));
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awenu.dll"));
    EXPECT_EQ(Movexe("t"), kBack);
}

TEST_F(UninstallControllerTest, ThePassGoesNewestFirstPacedAndAStopLeavesTheRestToDo) {
    for (const char* dir : {"C:\\A", "C:\\B", "C:\\C"}) {
        files.AddDirectory(dir);
    }
    PutLog("C:\\PROGRAM\\BACK\\awlog3.001", {Dir("C:\\A"), Dir("C:\\B"), Dir("C:\\C")});
    files.AddFile("C:\\PROGRAM\\BACK\\awlog3.000", "");
    UninstallController controller = w.NewController();
    ASSERT_TRUE(controller.Initialise());
    testing::FakeObserver observer;
    observer.OnAfter = [&](std::size_t) { controller.StartCommand(observer); };
    controller.StartCommand(observer);
    EXPECT_EQ(observer.Calls, (std::vector<std::string>{"begin", "before 2", "after 2", "end"}));
    EXPECT_EQ(controller.State(), RunState::Stopped);
    EXPECT_EQ(States(controller),
              (std::vector<RecordState>{RecordState::WillUndo, RecordState::WillUndo,
                                        RecordState::Undone}));
    EXPECT_TRUE(w.clock.Waits.empty());

    observer.OnAfter = nullptr;
    // A message ends the first wait of each record 30 ms early.
    w.clock.OnMessages = [&] {
        if (w.clock.Waits.back() == 100) {
            w.clock.Now -= 30;
        }
    };
    controller.StartCommand(observer);
    EXPECT_EQ(controller.State(), RunState::Completed);
    EXPECT_EQ(w.clock.Waits, (std::vector<std::uint32_t>{100, 30, 100, 30}));
    EXPECT_FALSE(files.Has("C:\\A"));
    EXPECT_EQ(w.user.Asked.size(), 1u);  // confirmed before the first pass only
}

TEST_F(UninstallControllerTest, KeptRecordsStayAndNothingSwitchesOnceAPassRan) {
    files.AddDirectory("C:\\A");
    files.AddDirectory("C:\\B");
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {});
    PutLog("C:\\PROGRAM\\BACK\\awlog3.001",
           {Dir("C:\\A", 1), Dir("C:\\B"), {0, logrec::FileDeleted{"C:\\F"}}, Dir("C:\\K", 2)});
    UninstallController controller = w.NewController();
    ASSERT_TRUE(controller.Initialise());
    ASSERT_EQ(controller.Records().size(), 3u);
    EXPECT_TRUE(controller.SetKept(1, true));
    EXPECT_TRUE(controller.SetKept(0, false));
    EXPECT_FALSE(controller.SetKept(2, false));
    testing::FakeObserver observer;
    controller.StartCommand(observer);
    EXPECT_FALSE(controller.SetKept(1, false));
    EXPECT_FALSE(files.Has("C:\\A"));
    EXPECT_TRUE(files.Has("C:\\B"));
    EXPECT_EQ(States(controller),
              (std::vector<RecordState>{RecordState::Undone, RecordState::UndoOptional,
                                        RecordState::NothingToUndo}));
}

TEST_F(UninstallControllerTest, TheCloseRulesFollowWhatThePassLeft) {
    files.AddDirectory("C:\\A");
    files.AddFile("C:\\A\\USER.DOC", "mine");
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {});
    PutLog("C:\\PROGRAM\\BACK\\awlog3.001", {Dir("C:\\A")});
    UninstallController controller = w.NewController();
    ASSERT_TRUE(controller.Initialise());
    testing::FakeObserver observer;
    EXPECT_EQ(controller.CloseCommand(observer), DialogEnd::Cancelled);
    observer.Closable = false;
    EXPECT_EQ(controller.CloseCommand(observer), std::nullopt);
    observer.Closable = true;

    w.user.Answers = {false};  // not confirmed: no pass
    controller.StartCommand(observer);
    EXPECT_FALSE(controller.PassRan());
    w.user.Answers = {true, false};  // confirmed, but the directory keeps the user's file
    controller.StartCommand(observer);
    EXPECT_EQ(controller.Records()[0].State, RecordState::UndoFailed);
    w.user.QuitAnswers = {QuitAnswer::Stay, QuitAnswer::Finish, QuitAnswer::BackOut};
    EXPECT_EQ(controller.CloseCommand(observer), std::nullopt);
    EXPECT_EQ(controller.CloseCommand(observer), DialogEnd::Done);
    EXPECT_EQ(controller.CloseCommand(observer), DialogEnd::Cancelled);
}

TEST_F(UninstallControllerTest, AnEmptyListHasNothingToDo) {
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {});
    PutLog("C:\\PROGRAM\\BACK\\awlog3.001", {Dir("C:\\K", 2), Dir("C:\\L", 2)});
    UninstallController controller = w.NewController();
    ASSERT_TRUE(controller.Initialise());
    testing::FakeObserver observer;
    controller.StartCommand(observer);
    EXPECT_TRUE(controller.Records().empty());
    EXPECT_FALSE(controller.PassRan());
    EXPECT_TRUE(observer.Calls.empty());
    EXPECT_TRUE(w.user.Asked.empty());
}

TEST_F(UninstallControllerTest, UnattendedTheFirstStageRunsTheSecondAndWaitsForIt) {
    files.AddDirectory("C:\\P0");
    files.AddFile("C:\\P0\\USER.DOC", "left by the user");
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {Dir("C:\\P0"), Dir("C:\\P1")});
    files.AddFile("C:\\PROGRAM\\BACK\\awenu.dll", "texts");
    files.AddFile("C:\\PROGRAM\\BACK\\AWMAIN.EXE", "program");
    registry.Add(kLocalMachine, kKey);
    w.system.RunExit = [this]() -> std::optional<int> {
        w.system.Program = "C:\\AWMAIN.EXE";
        UninstallController second = w.NewController(true);
        return second.Initialise() ? second.Run() : 1;
    };
    UninstallController first = w.NewController(true);
    EXPECT_FALSE(first.Initialise());
    EXPECT_TRUE(first.HandedOver());
    EXPECT_EQ(first.InitialiseExitCode(), 0);
    EXPECT_EQ(w.system.Ran, (std::vector<std::string>{"\"C:\\AWMAIN.EXE\" /S"}));
    EXPECT_TRUE(w.view.Styles.empty());
    EXPECT_TRUE(w.clock.Waits.empty());
    EXPECT_EQ(w.user.Asked.size(), 1u);  // the directory's question, answered by its default
    EXPECT_FALSE(files.Has("C:\\P0"));
    EXPECT_FALSE(files.Has("C:\\PROGRAM\\BACK\\AWMAIN.EXE"));
    EXPECT_FALSE(registry.KeyExists({kLocalMachine, kKey}));
    EXPECT_TRUE(w.system.MovexeUnattended);
    EXPECT_EQ(Movexe("f"), "C:\\AWMAIN.EXE");
    EXPECT_EQ(Movexe("t"), "");
}

TEST_F(UninstallControllerTest, UnattendedWithoutASecondStageOfItsOwnItHandsOverToMovexe) {
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {Dir("C:\\P0")});
    files.AddFile("C:\\PROGRAM\\BACK\\awenu.dll", "texts");
    files.AddFile("C:\\PROGRAM\\BACK\\AWMAIN.EXE", "program");
    UninstallController first = w.NewController(true);
    EXPECT_FALSE(first.Initialise());
    EXPECT_TRUE(first.HandedOver());
    EXPECT_EQ(first.InitialiseExitCode(), 1);
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\AWMAIN.EXE"));
    EXPECT_TRUE(w.system.MovexeUnattended);
    EXPECT_EQ(Movexe("t"), "C:\\");
}

TEST_F(UninstallControllerTest, ALogCutShortIsUndoneOnlyWhenTheUserAgrees) {
    files.AddDirectory("C:\\A");
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {});
    PutLog("C:\\PROGRAM\\BACK\\awlog3.001", {Dir("C:\\A"), Dir("C:\\B")});
    files.At("C:\\PROGRAM\\BACK\\awlog3.001").Bytes.pop_back();
    StartThenClose();
    UninstallController refused = w.NewController();
    ASSERT_TRUE(refused.Initialise());
    EXPECT_EQ(refused.PartialLog(), 1u);
    w.user.Answers = {false};
    EXPECT_EQ(refused.Run(), 0);
    EXPECT_TRUE(w.view.Styles.empty());
    EXPECT_TRUE(files.Has("C:\\A"));
    EXPECT_TRUE(files.Has("C:\\PROGRAM\\BACK\\awlog3.001"));

    UninstallController unattended = w.NewController(true);
    ASSERT_TRUE(unattended.Initialise());
    EXPECT_EQ(unattended.Run(), 0);
    EXPECT_FALSE(files.Has("C:\\A"));
    EXPECT_FALSE(files.Has("C:\\PROGRAM\\BACK\\awlog3.001"));
}

// Unattended, nobody agrees to removing what the installation did not make: the folder that
// holds the user's own file stays, kept, and the rest of the uninstall goes on.
TEST_F(UninstallControllerTest, UnattendedAFolderHoldingTheUsersFilesIsKept) {
    files.AddDirectory("C:\\APP");
    files.AddFile("C:\\APP\\LINEWINK.DCD", "a connection");
    files.AddDirectory("C:\\B");
    PutLog("C:\\PROGRAM\\BACK\\awlog3.000", {});
    PutLog("C:\\PROGRAM\\BACK\\awlog3.001", {Dir("C:\\APP"), Dir("C:\\B")});
    w.user.Answers = {false};
    UninstallController unattended = w.NewController(true);
    ASSERT_TRUE(unattended.Initialise());
    EXPECT_EQ(unattended.Run(), 0);
    EXPECT_TRUE(files.Has("C:\\APP\\LINEWINK.DCD"));
    EXPECT_FALSE(files.Has("C:\\B"));
    EXPECT_EQ(States(unattended), (std::vector{RecordState::UndoOptional, RecordState::Undone}));
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace aw
