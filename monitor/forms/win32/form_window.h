// A form with its own Win32 window, owned by the application window. Views (the main window,
// the dialogs) derive from it and answer their own messages in OnMessage; see ../form.h.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/forms/form.h"
#include "monitor/forms/win32/application_window.h"
#include "monitor/forms/win32/window.h"

namespace lw {

// How a form's window is made.
struct FormFrame {
    std::string caption;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    DWORD exStyle = 0;
    int left = 100;
    int top = 100;
    int width = 320;
    int height = 240;
    // Placed at the centre of the screen instead of at (left, top).
    bool centred = false;
    // Tab, the arrows, Enter and Esc move between and press the controls, as in a dialog.
    bool dialogKeys = false;
};

class Win32Form : public Form {
  public:
    // Makes the window, hidden; the form shows it.
    Win32Form(Win32Application& application, const FormFrame& frame);
    ~Win32Form() override;

    HWND Handle() const { return window_.Hwnd(); }
    Win32Application& Win32App() const { return win32App_; }

    // Runs a dialog key of a form that asked for them; true when it was one.
    static bool HandleDialogKey(MSG& message);

  protected:
    // The view's messages: return true, with `result` set, for those it handled. Messages
    // sent while the window is being made, before the view's constructor ran, do not come.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    Win32Application& win32App_;
    Win32Window window_;
    bool dialogKeys_;
};

}  // namespace lw
