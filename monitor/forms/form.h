// Forms: the program's windows, as the rest of the monitor sees them.
//
// How to make a form
// ------------------
// Every window of the monitor (the main window, the settings dialog, the about box, the
// splash window, the registry-entry dialog) is a Form of the one Application. The program
// makes the Win32Application first (win32/application_window.h) and then its forms, the main
// window first: the first form made is the main form, and closing it ends Application::Run.
//
// The main window derives from Win32Form (win32/form_window.h), which makes a window owned by
// the application window (so the taskbar button stays the application's), and handles its own
// messages in OnMessage:
//
//     class MainWindowView : public Win32Form {
//       public:
//         explicit MainWindowView(Win32Application& app)
//             : Win32Form(app, {.caption = "LineWink", .style = WS_POPUP | WS_CAPTION}) {
//             OnClose = CloseEvent::Of<&MainWindowView::FormClose>(*this);
//             menu_ = &Component::Create<PopupMenu>(*this, app.App());  // freed with the form
//         }
//       protected:
//         bool OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;  // paint...
//     };
//
// A dialog with real controls makes them as child windows in its constructor (a BUTTON with
// the id IDOK or IDCANCEL ends a modal showing with ModalResult::Ok or ::Cancel by itself),
// asks for dialog keys (`.dialogKeys = true`: Tab, Enter and Esc) and answers WM_COMMAND from
// its controls in OnMessage. Rules worth testing natively stay out of the view: they take a
// Form& (or the controls' values) and are tested with the fakes in tests/fakes.
//
// The tray icon is a component of the main window: make it there with
// `Component::Create<TPGTrayIcon95>(*this, trayServices.Services())` (monitor/tray), setting
// its stored properties between BeginLoading and EndLoading. Win32Application::Run shows the
// application window and the main form and runs the message loop until the main form closes.
//
// A modal box (the about box) is shown with ShowModal, which disables the other windows, runs
// the message loop until something sets the modal result (a button, SetModalResult, or closing
// the box, which gives ModalResult::Cancel) and returns that result. The tray component's
// ShowModalForm does the same for a form of an application that may be hidden in the tray.
//
// Events are procedure-and-object pairs (handler.h): save the one in place and call it from
// yours to chain. OnShow runs as the form is being shown, before it appears; OnClose runs when
// it closes and may set the action to CloseAction::None to keep it open.
#pragma once

#include "monitor/forms/application.h"
#include "monitor/forms/component.h"
#include "monitor/forms/system_window.h"

namespace lw {

enum class ModalResult {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7
};

enum class CloseAction { None, Hide };

using CloseEvent = Handler<Component&, CloseAction&>;
using CloseQueryEvent = Handler<Component&, bool&>;

class Form : public Component {
  public:
    // Joins the end of the application's form list; `window` outlives the form.
    Form(Application& application, SystemWindow& window);
    ~Form() override;

    Application& App() const { return application_; }
    SystemWindow& Window() const { return window_; }
    bool IsMainForm() const { return application_.MainForm() == this; }

    // Whether the program wants the form shown. Its window may still be hidden for a while,
    // with the minimised application or by the tray component.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible, and brought to the foreground.
    void Show();
    void Hide();
    void BringToFront();
    // Asks OnCloseQuery and OnClose; a closed form is hidden, and closing the main form ends
    // the program. Closing a modal form ends its showing with ModalResult::Cancel.
    void Close();

    // Shows the form modally and returns how it ended.
    ModalResult ShowModal();
    bool Modal() const { return modal_; }
    ModalResult GetModalResult() const { return modalResult_; }
    // Setting a result other than None ends a modal showing.
    void SetModalResult(ModalResult result) { modalResult_ = result; }

    NotifyEvent OnShow;
    NotifyEvent OnHide;
    CloseEvent OnClose;
    CloseQueryEvent OnCloseQuery;

    // Reports from the window layer.
    void CloseRequested() { Close(); }
    // The user minimised the form; true when that minimised the whole application instead
    // (the main form's case).
    bool MinimizeRequested();

  private:
    bool CloseQuery();
    void RunModalLoop();
    void CloseModal();

    Application& application_;
    SystemWindow& window_;
    bool visible_ = false;
    bool modal_ = false;
    ModalResult modalResult_ = ModalResult::None;
};

}  // namespace lw
