// Spin edits on real windows, driven by the messages the system sends for the user's keys,
// mouse and focus, and by the spin button's timer messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/controls/win32/control_system.h"
#include "monitor/forms/win32/application_window.h"
#include "monitor/forms/win32/form_window.h"
#include "monitor/forms/win32/tests/application_test.h"

namespace lw {
namespace {

// The real controls, with the beeps counted instead of heard.
class CountedBeeps : public Win32ControlSystem {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class SpinEditWineTest : public testing::ApplicationTest {
  protected:
    void SetUp() override {
        ShowWindow(app.Handle(), SW_SHOWNA);
        form.Show();
        other = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 80, 80,
                                24, form.Handle(), reinterpret_cast<HMENU>(IDOK),
                                GetModuleHandleA(nullptr), nullptr);
        edit.SetRange(0, 10000);
        edit.Bind(setting);
        edit.OnChange = NotifyEvent::Call(changed);
        app.App().ProcessMessages();
    }
    void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

    HWND Edit() const { return HwndOf(edit); }
    HWND Button() const { return GetWindow(Edit(), GW_CHILD); }
    std::string Text() const {
        char text[64] = {};
        GetWindowTextA(Edit(), text, sizeof text);
        return text;
    }
    void Type(const std::string& keys) {
        for (char key : keys) {
            SendMessageA(Edit(), WM_CHAR, static_cast<unsigned char>(key), 1);
        }
    }
    void Press(UINT message, HWND window, int x, int y) {
        SendMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    std::pair<DWORD, DWORD> Selection() const {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    static void PutOnClipboard(const std::string& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }

    Win32Form form{app,
                   {.caption = "Setup",
                    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                    .left = 50,
                    .top = 50,
                    .width = 240,
                    .height = 160,
                    .dialogKeys = true}};
    CountedBeeps system;
    TVexSpinEdit& edit =
        MakeSpinEdit(form, form.Handle(), ControlRect::Sized(10, 10, 80, 0), system);
    HWND other = nullptr;
    std::int32_t setting = -1;
    std::vector<std::string> changes;
    std::function<void(Component&)> changed = [this](Component&) {
        changes.push_back(edit.Text());
    };
};

TEST_F(SpinEditWineTest, TheButtonSitsInsideTheEditWhoseTextStopsShortOfIt) {
    EXPECT_EQ(Text(), "0");
    EXPECT_TRUE(GetWindowLongPtrA(Edit(), GWL_STYLE) & ES_MULTILINE);
    EXPECT_TRUE(GetWindowLongPtrA(Edit(), GWL_STYLE) & WS_CLIPCHILDREN);
    RECT outer;
    GetWindowRect(Edit(), &outer);
    const int height = outer.bottom - outer.top;
    EXPECT_EQ(height, edit.MinHeight());
    EXPECT_GE(height, 20);

    ASSERT_NE(Button(), nullptr);
    RECT button;
    GetWindowRect(Button(), &button);
    MapWindowPoints(nullptr, Edit(), reinterpret_cast<POINT*>(&button), 2);
    RECT client;
    GetClientRect(Edit(), &client);
    EXPECT_EQ(button.left, 80 - 15 - 5);  // against the client area's right edge
    EXPECT_EQ(button.right, client.right - 1);
    EXPECT_EQ(button.bottom - button.top, height - 5);

    RECT text;
    SendMessageA(Edit(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_LE(text.right, client.right - 15 - 2);

    // Too low a height is raised again.
    MoveWindow(Edit(), 10, 10, 100, 8, TRUE);
    GetWindowRect(Edit(), &outer);
    EXPECT_EQ(outer.bottom - outer.top, height);
}

TEST_F(SpinEditWineTest, TheArrowsAreDrawnInTheirHalves) {
    UpdateWindow(form.Handle());
    RedrawWindow(Button(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(Button(), &client);
    const HDC dc = GetDC(Button());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto darkRows = [&](int top, int bottom) {
        std::vector<int> rows;
        for (int y = top; y < bottom; ++y) {
            int dark = 0;
            for (int x = 3; x < client.right - 3; ++x) {
                if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
                    ++dark;
                }
            }
            rows.push_back(dark);
        }
        return rows;
    };
    const int half = client.bottom / 2;
    const std::vector<int> up = darkRows(2, half - 2);
    const std::vector<int> down = darkRows(half + 1, client.bottom - 2);
    ReleaseDC(Button(), dc);
    // Widening rows above (1, 3, 5 pixels), narrowing rows below.
    std::vector<int> upArrow;
    for (int count : up) {
        if (count > 0) {
            upArrow.push_back(count);
        }
    }
    std::vector<int> downArrow;
    for (int count : down) {
        if (count > 0) {
            downArrow.push_back(count);
        }
    }
    EXPECT_EQ(upArrow, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(downArrow, (std::vector<int>{5, 3, 1}));
    EXPECT_NE(face, RGB(0, 0, 0));
}

TEST_F(SpinEditWineTest, ATextThatIsNoNumberStoresTheMinimum) {
    edit.SetRange(7, 10000);
    Type("abc");
    EXPECT_EQ(system.beeps, 3);
    EXPECT_EQ(Text(), "0");
    EXPECT_EQ(setting, -1);

    SetWindowTextA(Edit(), "abc");
    EXPECT_EQ(setting, 7);
    EXPECT_EQ(changes, (std::vector<std::string>{"abc"}));

    PutOnClipboard("x1");
    SendMessageA(Edit(), EM_SETSEL, 0, -1);
    SendMessageA(Edit(), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "x1");
    EXPECT_EQ(setting, 7);
    EXPECT_EQ(changes.size(), 2u);
}

TEST_F(SpinEditWineTest, ANumberOutOfRangeIsStoredWhileTypingAndPulledInWhenTheFocusLeaves) {
    SetFocus(Edit());
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{1}));  // entered by keyboard
    Type("99999");
    EXPECT_EQ(Text(), "99999");
    EXPECT_EQ(setting, 99999);
    SetFocus(other);
    EXPECT_EQ(Text(), "10000");
    EXPECT_EQ(setting, 10000);
    EXPECT_EQ(changes, (std::vector<std::string>{"9", "99", "999", "9999", "99999", "10000"}));
    EXPECT_EQ(system.beeps, 0);
}

TEST_F(SpinEditWineTest, TabLeavesTheEditAndEnterAndEscapeReachTheDialog) {
    SetFocus(Edit());
    Type("12345");
    PostMessageA(Edit(), WM_KEYDOWN, VK_TAB, 0);
    app.App().ProcessMessages();
    EXPECT_EQ(GetFocus(), other);
    EXPECT_EQ(Text(), "10000");

    SetFocus(Edit());
    PostMessageA(Edit(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(Edit(), WM_CHAR, VK_ESCAPE, 0);
    app.App().ProcessMessages();
    EXPECT_EQ(form.GetModalResult(), ModalResult::Cancel);
    EXPECT_EQ(Text(), "10000");
}

TEST_F(SpinEditWineTest, HoldingTheUpHalfStepsAtOnceAtTheFirstTickAndAtEveryTickAfter) {
    edit.SetValue(5);
    Press(WM_LBUTTONDOWN, Button(), 7, 2);
    EXPECT_EQ(Text(), "6");
    EXPECT_EQ(GetFocus(), Edit());
    EXPECT_EQ(GetCapture(), Button());

    SendMessageA(Button(), WM_TIMER, TSpinButton::kUpTimerId, 0);  // 400 ms on
    EXPECT_EQ(Text(), "7");
    SendMessageA(Button(), WM_TIMER, TSpinButton::kUpTimerId, 0);  // every 100 ms after
    SendMessageA(Button(), WM_TIMER, TSpinButton::kUpTimerId, 0);
    EXPECT_EQ(Text(), "9");
    EXPECT_EQ(setting, 9);

    Press(WM_LBUTTONUP, Button(), 7, 2);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(KillTimer(Button(), TSpinButton::kUpTimerId));  // stopped
    SendMessageA(Button(), WM_TIMER, TSpinButton::kUpTimerId, 0);
    EXPECT_EQ(Text(), "9");

    RECT client;
    GetClientRect(Button(), &client);
    Press(WM_LBUTTONDOWN, Button(), 7, client.bottom - 2);
    Press(WM_LBUTTONUP, Button(), 7, client.bottom - 2);
    EXPECT_EQ(Text(), "8");
}

TEST_F(SpinEditWineTest, TheArrowKeysStepAndAMouseEntryLeavesTheCaretWhereItWent) {
    edit.SetValue(10);
    SendMessageA(Edit(), WM_KEYDOWN, VK_UP, 0);
    SendMessageA(Edit(), WM_KEYDOWN, VK_UP, 0);
    SendMessageA(Edit(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Text(), "11");

    SetFocus(other);
    Press(WM_LBUTTONDOWN, Edit(), 1, 3);
    Press(WM_LBUTTONUP, Edit(), 1, 3);
    EXPECT_EQ(GetFocus(), Edit());
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(SpinEditWineTest, CutAndPasteNeedAnEnabledEditorThatIsNotReadOnly) {
    PutOnClipboard("42");
    edit.SetEditorEnabled(false);
    SendMessageA(Edit(), EM_SETSEL, 0, -1);
    SendMessageA(Edit(), WM_PASTE, 0, 0);
    SendMessageA(Edit(), WM_CHAR, 0x16, 1);  // Ctrl+V
    Type("\b5");
    EXPECT_EQ(Text(), "0");
    EXPECT_EQ(system.beeps, 2);

    edit.SetEditorEnabled(true);
    edit.SetReadOnly(true);
    SendMessageA(Edit(), EM_SETSEL, 0, -1);
    SendMessageA(Edit(), WM_CUT, 0, 0);
    EXPECT_EQ(Text(), "0");
    SendMessageA(Edit(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Text(), "0");
    EXPECT_EQ(system.beeps, 3);

    edit.SetReadOnly(false);
    SendMessageA(Edit(), EM_SETSEL, 0, -1);
    SendMessageA(Edit(), WM_CHAR, 0x16, 1);
    EXPECT_EQ(Text(), "42");
    EXPECT_EQ(setting, 42);
}

}  // namespace
}  // namespace lw
