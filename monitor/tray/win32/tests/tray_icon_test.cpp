// The tray icon on real windows: the shell's answers, callbacks through the message window,
// the hide and show sequences judged by window styles and owners, and modal forms.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "monitor/forms/win32/application_window.h"
#include "monitor/forms/win32/form_window.h"
#include "monitor/forms/win32/icon_image.h"
#include "monitor/forms/win32/tests/application_test.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/tray/win32/tray_services.h"

namespace lw {
namespace {

using testing::ChooseFirstItem;
using testing::HasTaskbarButton;

// The real shell, with its answers kept.
class AnsweredShell : public NotifyArea {
  public:
    bool Send(NotifyRequest request, const NotifyIconRecord& record) override {
        const bool answer = real_.Send(request, record);
        answers.push_back({request, answer});
        return answer;
    }
    std::vector<std::pair<NotifyRequest, bool>> answers;

  private:
    Win32NotifyArea real_;
};

class TrayIconWineTest : public testing::ApplicationTest {
  protected:
    // How long one waits for what should come, on a machine under load.
    static constexpr DWORD kPatienceMs = 10000;

    void SetUp() override {
        ShowWindow(app.Handle(), SW_SHOWNA);
        main.Show();
        tray.SetOptions({});
        tray.SetIcon(
            Icon(std::make_shared<Win32IconImage>(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)))));
        tray.SetHint("LineWink 2.2 - COM1");
        tray.SetActive(true);
        Pump(50);
    }
    void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

    // Runs the message loop for `milliseconds`, or until `done` holds.
    void Pump(DWORD milliseconds, const std::function<bool()>& done = nullptr) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds && !(done && done())) {
            app.App().ProcessMessages();
            Sleep(5);
        }
    }
    void Shell(unsigned mouseMessage) {
        PostMessageA(reinterpret_cast<HWND>(tray.MessageWindowHandle()), 1124,
                     TPGTrayIcon95::kIconId, mouseMessage);
    }
    NotifyEvent Note(std::string text) {
        notes_.push_back([this, text](Component&) { events.push_back(text); });
        return NotifyEvent::Call(notes_.back());
    }

    std::vector<std::string> events;
    std::deque<std::function<void(Component&)>> notes_;
    Win32Form main{app,
                   {.caption = "LineWink",
                    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                    .width = 120,
                    .height = 60}};
    AnsweredShell shell;
    Win32TrayServices win32;
    TrayServices services{shell,         win32.ticks, win32.pointer,
                          win32.desktop, win32.icons, win32.windows};
    TPGTrayIcon95& tray = Component::Create<TPGTrayIcon95>(main, services);
};

TEST_F(TrayIconWineTest, TheShellTakesTheIconAndGivesItBack) {
    tray.SetHint("connected");
    tray.SetActive(false);
    using Answer = std::pair<NotifyRequest, bool>;
    EXPECT_EQ(shell.answers, (std::vector<Answer>{{NotifyRequest::Add, true},
                                                  {NotifyRequest::Modify, true},
                                                  {NotifyRequest::Delete, true}}));
    // Removing an icon that is not there is refused.
    NotifyIconRecord record;
    record.window = tray.MessageWindowHandle();
    record.id = TPGTrayIcon95::kIconId;
    EXPECT_FALSE(Win32NotifyArea().Send(NotifyRequest::Delete, record));
}

TEST_F(TrayIconWineTest, ShellCallbacksBecomeClicksAndDoubleClicks) {
    tray.OnClick = Note("click");
    tray.OnDblClick = Note("double");
    Shell(WM_LBUTTONDOWN);
    Shell(WM_LBUTTONUP);
    Pump(kPatienceMs, [&] { return !events.empty(); });
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));

    events.clear();
    Shell(WM_LBUTTONDOWN);
    Shell(WM_LBUTTONUP);
    Shell(WM_LBUTTONDBLCLK);
    Shell(WM_LBUTTONUP);
    Pump(kPatienceMs, [&] { return !events.empty(); });
    Pump(700);  // and no click after it
    EXPECT_EQ(events, (std::vector<std::string>{"double"}));
}

TEST_F(TrayIconWineTest, TheCursorLeavingTheIconIsNoticed) {
    std::vector<std::string> moves;
    auto note = [&](const char* name) {
        return [&moves, name](Component&, ShiftState, int x, int y) {
            moves.push_back(std::string(name) + " " + std::to_string(x) + "," + std::to_string(y));
        };
    };
    auto enter = note("enter");
    auto exit = note("exit");
    tray.OnMouseEnter = TrayMouseEvent::Call(enter);
    tray.OnMouseExit = TrayMouseEvent::Call(exit);
    SetCursorPos(200, 150);
    POINT at;
    GetCursorPos(&at);
    if (at.x != 200 || at.y != 150) {
        GTEST_SKIP() << "the cursor cannot be moved here";
    }
    Shell(WM_MOUSEMOVE);
    Pump(kPatienceMs, [&] { return !moves.empty(); });
    EXPECT_EQ(moves, (std::vector<std::string>{"enter 200,150"}));
    SetCursorPos(203, 150);
    Pump(kPatienceMs, [&] { return moves.size() > 1; });
    EXPECT_EQ(moves, (std::vector<std::string>{"enter 200,150", "exit 200,150"}));
}

TEST_F(TrayIconWineTest, HideAppTakesTheButtonAndTheFormsAndShowAppBringsThemBack) {
    EXPECT_TRUE(HasTaskbarButton(app.Handle()));
    tray.HideApp();
    Pump(kPatienceMs, [&] { return !HasTaskbarButton(app.Handle()); });
    EXPECT_FALSE(HasTaskbarButton(app.Handle()));
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
    EXPECT_EQ(GetWindow(app.Handle(), GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowVisible(main.Handle()));
    EXPECT_EQ(TPGTrayIcon95::DesktopLockCount(), 0);

    // The hidden owner window: a popup of its own class, never shown, at the screen's centre.
    const HWND hidden = FindWindowA("TPGApplication", nullptr);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden));
    RECT place;
    GetWindowRect(hidden, &place);
    EXPECT_EQ(place.left, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(place.right - place.left, 50);
    EXPECT_NE(GetWindowLongPtrA(hidden, GWL_STYLE) & WS_POPUP, 0);

    tray.ShowApp();
    Pump(kPatienceMs, [&] { return HasTaskbarButton(app.Handle()); });
    EXPECT_TRUE(HasTaskbarButton(app.Handle()));
    EXPECT_FALSE(IsIconic(app.Handle()));
    EXPECT_TRUE(IsWindowVisible(main.Handle()));
    EXPECT_EQ(GetWindow(main.Handle(), GW_OWNER), app.Handle());
    EXPECT_FALSE(HasTaskbarButton(main.Handle()));
}

TEST_F(TrayIconWineTest, AModalFormOfAHiddenProgramReturnsItsResult) {
    tray.HideApp();
    Pump(300);
    Win32Form dialog(app, {.caption = "Setup", .style = WS_POPUP | WS_CAPTION, .centred = true});
    const HWND ok =
        CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, dialog.Handle(),
                        reinterpret_cast<HMENU>(IDOK), GetModuleHandleA(nullptr), nullptr);
    bool shownOwned = false;
    auto shown = [&](Component&) {
        shownOwned = GetWindow(dialog.Handle(), GW_OWNER) == app.Handle();
    };
    dialog.OnShow = NotifyEvent::Call(shown);
    PostMessageA(ok, BM_CLICK, 0, 0);
    EXPECT_EQ(tray.ShowModalForm(&dialog), ModalResult::Ok);
    EXPECT_TRUE(shownOwned);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(TPGTrayIcon95::DesktopLockCount(), 0);
    Pump(300);
    EXPECT_FALSE(HasTaskbarButton(app.Handle()));
}

TEST_F(TrayIconWineTest, ASecondDeferredCallReplacesTheFirst) {
    std::vector<std::intptr_t> ran;
    auto record = [&](std::intptr_t argument) { ran.push_back(argument); };
    tray.PostDeferredCall(DeferredProcedure::Call(record), 1);
    tray.PostDeferredCall(DeferredProcedure::Call(record), 2);
    Pump(kPatienceMs, [&] { return !ran.empty(); });
    Pump(100);
    EXPECT_EQ(ran, (std::vector<std::intptr_t>{2}));
}

TEST_F(TrayIconWineTest, ARightPressOpensThePopupMenu) {
    PopupMenu& menu = Component::Create<PopupMenu>(main, app.App());
    menu.Add("&Setup", Note("setup"));
    tray.SetPopupMenu(&menu);
    tray.SetAutoPopup(true);
    tray.OnClick = Note("click");
    Shell(WM_MOUSEMOVE);
    Shell(WM_RBUTTONDOWN);
    SetTimer(nullptr, 0, 150, ChooseFirstItem);
    Pump(kPatienceMs, [&] { return !events.empty(); });
    EXPECT_EQ(events, (std::vector<std::string>{"setup"}));
}

TEST_F(TrayIconWineTest, TheShutdownIsAllowedAndTakesTheIconAway) {
    const HWND window = reinterpret_cast<HWND>(tray.MessageWindowHandle());
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
    SendMessageA(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(tray.Active());
    EXPECT_EQ(shell.answers.back(), std::make_pair(NotifyRequest::Delete, true));
}

TEST(TrayDesktopWineTest, ARefusedWindowClassIsReported) {
    Win32TrayDesktop desktop;
    if (desktop.HiddenOwnerWindowExists()) {
        GTEST_SKIP() << "made by an earlier test of this process";
    }
    WNDCLASSA taken = {};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "TPGApplication";
    ASSERT_NE(RegisterClassA(&taken), 0);
    try {
        desktop.HiddenOwnerWindow();
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Couldn't register window class: TPGApplication");
    }
    UnregisterClassA("TPGApplication", GetModuleHandleA(nullptr));
    EXPECT_NE(desktop.HiddenOwnerWindow(), 0u);
}

}  // namespace
}  // namespace lw
