// The application window, forms, modal showing and popup menus on real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/forms/popup_menu.h"
#include "monitor/forms/win32/application_window.h"
#include "monitor/forms/win32/form_window.h"
#include "monitor/forms/win32/tests/application_test.h"

namespace lw {
namespace {

using testing::ChooseFirstItem;
using testing::HasTaskbarButton;

// A dialog with an OK button that notes what it saw when the button was pressed.
class OkDialog : public Win32Form {
  public:
    OkDialog(Win32Application& app, HWND other)
        : Win32Form(app, {.caption = "Setup",
                          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          .width = 200,
                          .height = 120,
                          .centred = true,
                          .dialogKeys = true}),
          other_(other) {
        ok = CreateWindowExA(
            0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 10, 80,
            24, Handle(), reinterpret_cast<HMENU>(IDOK), GetModuleHandleA(nullptr), nullptr);
    }
    HWND ok = nullptr;
    bool otherEnabledAtClick = true;
    bool shownAtClick = false;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
            otherEnabledAtClick = IsWindowEnabled(other_) != FALSE;
            shownAtClick = IsWindowVisible(Handle()) != FALSE;
        }
        return false;
    }

  private:
    HWND other_;
};

class FormsTest : public testing::ApplicationTest {
  protected:
    static FormFrame MainFrame() {
        return {.caption = "LineWink",
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                .width = 120,
                .height = 60};
    }
    void ShowApplication() {
        ShowWindow(app.Handle(), SW_SHOWNA);
        main.Show();
        app.App().ProcessMessages();
    }

    Win32Form main{app, MainFrame()};
};

TEST_F(FormsTest, TheApplicationWindowCarriesTheButtonAndOwnsTheForms) {
    Win32Form about(app, {.caption = "About"});
    EXPECT_EQ(app.App().Forms(), (std::vector<Form*>{&main, &about}));
    EXPECT_EQ(app.App().MainForm(), &main);

    PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    app.Run();  // shows the application and the main form; closing the main form ends it
    EXPECT_TRUE(app.App().Terminated());
    char title[32] = {};
    GetWindowTextA(app.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "LineWink");
    EXPECT_TRUE(HasTaskbarButton(app.Handle()));
    EXPECT_TRUE(IsWindowVisible(main.Handle()));
    EXPECT_EQ(GetWindow(main.Handle(), GW_OWNER), app.Handle());
    EXPECT_EQ(GetWindow(about.Handle(), GW_OWNER), app.Handle());
    EXPECT_FALSE(HasTaskbarButton(main.Handle()));
    RECT place;
    GetWindowRect(app.Handle(), &place);
    EXPECT_EQ(place.right - place.left, 0);
}

TEST_F(FormsTest, MinimisingTheMainFormMinimisesTheApplicationWithItsForms) {
    Win32Form about(app, {.caption = "About"});
    int minimized = 0;
    int restored = 0;
    auto onMinimize = [&](Component&) { ++minimized; };
    auto onRestore = [&](Component&) { ++restored; };
    app.App().OnMinimize = NotifyEvent::Call(onMinimize);
    app.App().OnRestore = NotifyEvent::Call(onRestore);
    ShowApplication();
    about.Show();

    SendMessageA(main.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(app.Handle()));
    EXPECT_FALSE(IsIconic(main.Handle()));
    EXPECT_FALSE(IsWindowVisible(main.Handle()));
    EXPECT_FALSE(IsWindowVisible(about.Handle()));
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(minimized, 1);

    SendMessageA(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(app.Handle()));
    EXPECT_TRUE(IsWindowVisible(main.Handle()));
    EXPECT_TRUE(IsWindowVisible(about.Handle()));
    EXPECT_EQ(restored, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(FormsTest, AModalDialogEndsWithItsButtonItsEscapeKeyOrItsClose) {
    ShowApplication();
    OkDialog dialog(app, main.Handle());
    PostMessageA(dialog.ok, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    EXPECT_TRUE(dialog.shownAtClick);
    EXPECT_FALSE(dialog.otherEnabledAtClick);
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_TRUE(IsWindowEnabled(app.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), app.Handle());

    PostMessageA(dialog.ok, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);

    PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_TRUE(errors.empty());
}

TEST_F(FormsTest, AChosenMenuItemComesBackAsACommandToTheApplicationWindow) {
    ShowApplication();
    PopupMenu& menu = Component::Create<PopupMenu>(main, app.App());
    std::vector<std::string> clicks;
    auto clicked = [&](Component& sender) {
        clicks.push_back(static_cast<MenuItem&>(sender).Caption);
    };
    menu.Add("&Setup", NotifyEvent::Call(clicked)).Default = true;
    menu.Add("-");
    menu.Add("E&xit", NotifyEvent::Call(clicked));
    SetForegroundWindow(app.Handle());
    SetTimer(nullptr, 0, 100, ChooseFirstItem);
    menu.Popup(50, 50);
    EXPECT_TRUE(clicks.empty());  // the command is posted, not sent
    app.App().ProcessMessages();
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Setup"}));
}

TEST_F(FormsTest, ErrorsInHandlersReachTheApplicationNotTheSystem) {
    ShowApplication();
    auto failing = [](Component&, CloseAction&) { throw std::runtime_error("Cannot open file"); };
    main.OnClose = CloseEvent::Call(failing);
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(errors, (std::vector<std::string>{"Cannot open file"}));
    EXPECT_FALSE(app.App().Terminated());

    PostQuitMessage(0);
    app.App().ProcessMessages();
    EXPECT_TRUE(app.App().Terminated());
}

}  // namespace
}  // namespace lw
