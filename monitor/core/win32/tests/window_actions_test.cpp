// The tick's window requests, its message boxes and its sounds against the real system.
#include "monitor/core/win32/window_actions.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/core/win32/message_box.h"
#include "monitor/core/win32/sound_player.h"

namespace lw {
namespace {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
};
std::vector<Received> g_received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCACTIVATE || message == WM_CLOSE || message == WM_PAINT ||
        message == WM_ERASEBKGND) {
        g_received.push_back({window, message, wParam});
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* RecordingClass() {
    static const ATOM atom = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LwTrackingTestWindow";
        return RegisterClassA(&windowClass);
    }();
    return atom != 0 ? "LwTrackingTestWindow" : nullptr;
}

int CountReceived(HWND window, UINT message) {
    int count = 0;
    for (const Received& r : g_received) {
        count += r.window == window && r.message == message ? 1 : 0;
    }
    return count;
}

class WindowActionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_received.clear();
        window = Create(nullptr);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        ValidateRect(window, nullptr);
        g_received.clear();
    }
    void TearDown() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
    static HWND Create(HWND owner) {
        return CreateWindowExA(0, RecordingClass(), "LineWink", WS_OVERLAPPEDWINDOW, 10, 10, 200,
                               60, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    bool IsTopmost() const { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    HWND window = nullptr;
};

TEST_F(WindowActionsTest, TopmostComesAndGoes) {
    Win32WindowActions on(window, 7, nullptr);
    on.SetTopmost(true);
    EXPECT_TRUE(IsTopmost());
    on.SetTopmost(false);
    EXPECT_FALSE(IsTopmost());
}

// The foreground here is a popup owned by the main window: its top-level owner is repainted.
TEST_F(WindowActionsTest, TheTitleBarDisplayIsRepaintedAway) {
    const HWND drawnOn = Create(nullptr);
    const HWND popup = CreateWindowExA(0, RecordingClass(), "popup", WS_POPUP | WS_VISIBLE, 0, 0,
                                       50, 50, window, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(popup);
    if (GetForegroundWindow() != popup) {
        GTEST_SKIP() << "another program holds the foreground";
    }
    g_received.clear();
    Win32WindowActions on(window, 7, nullptr);
    on.NoteTitleBarWindow(drawnOn);
    on.RemoveTitleBarDisplay();
    EXPECT_EQ(CountReceived(drawnOn, WM_NCACTIVATE), 1);
    EXPECT_EQ(CountReceived(window, WM_NCACTIVATE), 1);
    EXPECT_EQ(CountReceived(popup, WM_NCACTIVATE), 0);
    for (const Received& r : g_received) {
        EXPECT_EQ(r.wParam, 1u);
    }
    DestroyWindow(popup);
    DestroyWindow(drawnOn);
}

TEST_F(WindowActionsTest, TheTimerStopsAndTheDriverIsReleasedByItsOwner) {
    ASSERT_NE(SetTimer(window, 7, 10'000, nullptr), 0u);
    int released = 0;
    Win32WindowActions on(window, 7, [&] { ++released; });
    on.StopTimer();
    EXPECT_FALSE(KillTimer(window, 7));
    on.ReleaseDriver();
    EXPECT_EQ(released, 1);
    Win32WindowActions noDriver(window, 7, nullptr);
    noDriver.ReleaseDriver();
}

TEST_F(WindowActionsTest, ThePanelIsDrawnAtOnceWithoutErasing) {
    Win32WindowActions on(window, 7, nullptr);
    on.InvalidatePanel();
    EXPECT_NE(GetUpdateRect(window, nullptr, FALSE), FALSE);
    on.DrawPanelNow();
    EXPECT_EQ(CountReceived(window, WM_PAINT), 1);
    EXPECT_EQ(CountReceived(window, WM_ERASEBKGND), 0);
    EXPECT_EQ(GetUpdateRect(window, nullptr, FALSE), FALSE);
}

TEST_F(WindowActionsTest, ClosingGoesThroughTheCloseMessage) {
    Win32WindowActions on(window, 7, nullptr);
    EXPECT_FALSE(on.IsClosing());
    on.CloseMainWindow();
    EXPECT_EQ(CountReceived(window, WM_CLOSE), 1);
    EXPECT_TRUE(on.IsClosing());
}

// A thread timer answers the box from inside its message loop, as a user's click would.
struct BoxAnswer {
    WPARAM button = 0;
    bool found = false;
    std::string texts;
};
BoxAnswer g_answer;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    g_answer.texts += std::string(text) + "|";
    return TRUE;
}

// Only this thread's box, titled "LineWink".
BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char className[16] = {};
    char title[16] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (std::string(className) == "#32770" && std::string(title) == "LineWink") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || g_answer.found) {
        return;
    }
    g_answer.found = true;
    EnumChildWindows(box, CollectText, 0);
    PostMessageA(box, WM_COMMAND, g_answer.button, 0);
}

MessageAnswer ShowAnswered(MessageButtons buttons, WPARAM button) {
    g_answer = {};
    g_answer.button = button;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBox);
    const MessageAnswer answer = Win32MessageBoxes(nullptr).ShowWarning("Idle?", buttons);
    KillTimer(nullptr, timer);
    return answer;
}

TEST(TrackingMessageBox, BoxesAreTitledAndAnswered) {
    EXPECT_EQ(ShowAnswered(MessageButtons::YesNo, IDYES), MessageAnswer::Yes);
    EXPECT_TRUE(g_answer.found);
    EXPECT_NE(g_answer.texts.find("Idle?|"), std::string::npos) << g_answer.texts;
    EXPECT_NE(g_answer.texts.find("&Yes|"), std::string::npos) << g_answer.texts;
    EXPECT_EQ(ShowAnswered(MessageButtons::YesNo, IDNO), MessageAnswer::No);
    EXPECT_EQ(ShowAnswered(MessageButtons::Ok, IDOK), MessageAnswer::Ok);
    EXPECT_EQ(g_answer.texts.find("&Yes|"), std::string::npos) << g_answer.texts;
}

TEST(TrackingSound, AMissingWaveFileIsSkipped) {
    Win32SoundPlayer player;
    player.PlayWave("C:\\no such folder\\ring.wav");
    player.PlayWave("");
    player.Beep();
}

}  // namespace
}  // namespace lw
