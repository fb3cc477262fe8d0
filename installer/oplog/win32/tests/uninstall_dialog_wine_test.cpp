// The uninstaller's dialogs driven by window messages, as a person would work them: the detailed
// view with a change kept, a stop during the pass, and a cancel in the second stage.
#include <gtest/gtest.h>

#include "installer/controller/shared_counts.h"
#include "installer/languages/resource_numbers.h"
#include "installer/oplog/win32/tests/uninstall_rig.h"

namespace aw::testing {
namespace {

constexpr char kDialogTitle[] = "Uninstall";
constexpr char kConfirmTitle[] = "Confirm Uninstall";
constexpr char kQuitTitle[] = "Uninstall Incomplete";
constexpr char kQuestionTitle[] = "Question";

// The top-level window of that title once it shows, waited for up to 30 seconds. A dialog is
// found as soon as it exists, but its controls are filled in before it shows.
HWND WaitForWindow(const char* title) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(nullptr, title);
        if (window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        if (GetTickCount() - start >= 30000) {
            return nullptr;
        }
        Sleep(50);
    }
}

std::string ItemText(HWND dialog, int id) {
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Waits up to 30 seconds for the item to show `text`.
bool WaitForText(HWND dialog, int id, const std::string& text) {
    const DWORD start = GetTickCount();
    while (ItemText(dialog, id) != text) {
        if (GetTickCount() - start > 30000) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

void Press(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// Answers the confirmation with Yes and waits for it to go.
bool Confirm() {
    HWND box = WaitForWindow(kConfirmTitle);
    if (box == nullptr) {
        return false;
    }
    Press(box, IDYES);
    const DWORD start = GetTickCount();
    while (IsWindow(box) && GetTickCount() - start < 30000) {
        Sleep(20);
    }
    return !IsWindow(box);
}

class UninstallDialogWineTest : public UninstallRig {
  protected:
    void SetUp() override {
        UninstallRig::SetUp();
        WriteIni();
        Record(0, [this](Installer& installer) { InstallUninstaller(installer, back); });
    }
    void TearDown() override {
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 30000) != WAIT_OBJECT_0) {
                TerminateProcess(process_, 1);
            }
            CloseHandle(process_);
        }
        UninstallRig::TearDown();
    }
    void StartProgram(const std::string& program) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = "\"" + program + "\"";
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        CloseHandle(process.hThread);
        process_ = process.hProcess;
    }
    bool Ended() { return WaitForSingleObject(process_, 30000) == WAIT_OBJECT_0; }
    std::string Program() const { return back + "\\AWMAIN.EXE"; }

    HANDLE process_ = nullptr;
};

// Leaves the newest change, the INI entry and first in the list, and undoes the others: switched
// to kept in the detailed view, or left out of the selection view's choice.
void UndoAllButTheNewest(HWND dialog, bool selection) {
    if (selection) {
        SendDlgItemMessageA(dialog, AW_ID_UNDO_RECORDS, LB_SETSEL, FALSE, 0);
    } else {
        SendDlgItemMessageA(dialog, AW_ID_UNDO_RECORDS, LB_SETCURSEL, 0, 0);
        Press(dialog, AW_ID_UNDO_TOGGLE);
    }
    Press(dialog, AW_ID_UNDO_START);
}

TEST_F(UninstallDialogWineTest, AChangeKeptInTheDetailedOrSelectionViewIsNotUndone) {
    for (const std::int32_t style : {1, 2}) {
        Record(
            1, [this](Installer& installer) { ProductChanges(installer); }, 0, style);
        StartProgram(Program());
        HWND dialog = WaitForWindow(kDialogTitle);
        ASSERT_NE(dialog, nullptr);
        UndoAllButTheNewest(dialog, style == 2);
        ASSERT_TRUE(Confirm());
        EXPECT_TRUE(WaitForText(dialog, AW_ID_UNDO_STATUS, "Uninstall completed."));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        ASSERT_TRUE(Ended());
        CloseHandle(process_);
        process_ = nullptr;
        EXPECT_FALSE(Exists(product)) << style;
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
        EXPECT_NE(ReadText(Ini()).find("device=product.drv"), std::string::npos);
        EXPECT_FALSE(Exists(ArchivedLogPath(back, 1)));
        WriteIni();
    }
}

TEST_F(UninstallDialogWineTest, AStopDuringThePassLeavesTheRestAndTheLog) {
    Record(1, [this](Installer& installer) {
        for (int i = 0; i < 20; ++i) {
            ASSERT_EQ(installer.MakeDirectory(base + "\\d" + std::to_string(i)), kDirectoryReady);
        }
    });
    StartProgram(Program());
    HWND dialog = WaitForWindow(kDialogTitle);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, AW_ID_UNDO_START);
    ASSERT_TRUE(Confirm());
    Press(dialog, AW_ID_UNDO_START);
    EXPECT_TRUE(WaitForText(dialog, AW_ID_UNDO_STATUS,
                            "Uninstall canceled: not every change has been undone."));
    EXPECT_FALSE(Exists(base + "\\d19"));
    EXPECT_TRUE(Exists(base + "\\d0"));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    HWND quit = WaitForWindow(kQuitTitle);
    ASSERT_NE(quit, nullptr);
    Press(quit, AW_ID_QUIT_BACK_OUT);
    ASSERT_TRUE(Ended());
    EXPECT_TRUE(Exists(ArchivedLogPath(back, 1)));
}

TEST_F(UninstallDialogWineTest, TheLastCountOfASharedFileAsksWithKeepFirstAndRemoveSecond) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string shared = std::string(system) + "\\awu_last.dll";
    Record(1, [&](Installer& installer) {
        ASSERT_TRUE(installer.CopyPlainFile(base + "\\source.txt", shared));
        UnloggedScope unlogged(installer);
        ASSERT_EQ(installer.IncrementSharedCount(shared), 1);
    });
    StartProgram(Program());
    HWND dialog = WaitForWindow(kDialogTitle);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, AW_ID_UNDO_START);
    ASSERT_TRUE(Confirm());
    HWND question = WaitForWindow(kQuestionTitle);
    ASSERT_NE(question, nullptr);
    // The box is found by its title before its buttons have been named.
    EXPECT_TRUE(WaitForText(question, IDYES, "&No"));
    EXPECT_EQ(ItemText(question, IDNO), "&Yes");
    Press(question, IDNO);
    EXPECT_TRUE(WaitForText(dialog, AW_ID_UNDO_STATUS, "Uninstall completed."));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Ended());
    EXPECT_FALSE(Exists(shared));
    Win32InstallerRig rig;
    EXPECT_FALSE(rig.installer.ReadValue({kLocalMachine, kSharedDllsKey}, shared));
}

TEST_F(UninstallDialogWineTest, CancellingTheSecondStagePutsTheProgramBack) {
    InstallMovexe();
    RemoveAll(back);
    Record(0, [this](Installer& installer) {
        InstallUninstaller(installer, back);
        ProductChanges(installer);
    });
    StartProgram(Program());
    HWND dialog = WaitForWindow(kDialogTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Exists("C:\\awlog3.000"));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForFile(Program()));
    EXPECT_TRUE(WaitUntilGone("C:\\AWMAIN.EXE"));
    EXPECT_TRUE(Exists(ArchivedLogPath(back, 0)));
    EXPECT_TRUE(Exists(back + "\\awenu.dll"));
    EXPECT_FALSE(Exists("C:\\awlog3.000"));
    EXPECT_TRUE(ProductLeft());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kTestUninstallKey));
    EXPECT_EQ(HandOverEntry(), "");
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

}  // namespace
}  // namespace aw::testing
