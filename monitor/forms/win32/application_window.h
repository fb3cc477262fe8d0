// The program's Win32 application: the invisible application window (a captioned popup of no
// size at the centre of the screen, so that it has a taskbar button but nothing to see), the
// message loop and popup menus. There is one per program.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "monitor/forms/application.h"
#include "monitor/forms/win32/window.h"

namespace lw {

class Win32Application : public WindowSystem {
  public:
    // Makes the application window, hidden until ShowWindow or Run.
    explicit Win32Application(const std::string& title);
    ~Win32Application() override;
    Win32Application(const Win32Application&) = delete;
    Win32Application& operator=(const Win32Application&) = delete;

    Application& App() { return app_; }
    HWND Handle() const { return window_.Hwnd(); }

    // Shows the application window (its taskbar button) and the main form, then runs the
    // message loop until the program ends.
    void Run();

    // The application of this process, if one exists: window procedures hand it the errors
    // they catch.
    static Win32Application* Current() { return current_; }
    // The full path of the program's file.
    static std::string ExeName();
    // An error caught in a window procedure: to the application, or straight to an error box.
    static void ReportError(const std::exception& error);
    // A window procedure's handling of a message. No error may leave a window procedure: one
    // that `handle` throws is reported, and the message answers 0.
    template <typename Handle>
    static LRESULT Guarded(Handle&& handle) {
        try {
            return handle();
        } catch (const std::exception& error) {
            ReportError(error);
            return 0;
        }
    }

    bool ProcessMessages() override;
    bool HandleMessage() override;
    // Hands a message taken from the queue to its window, the dialog keys of a form that asks
    // for them to the form; for every message loop of the program, waits included.
    static void Dispatch(MSG& message);
    void PostQuit() override;
    void TrackPopupMenu(const PopupMenu& menu, int x, int y) override;
    void ShowError(const std::string& title, const std::string& text) override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    static Win32Application* current_;
    Win32Window window_;
    Application app_;
    bool minimized_ = false;
};

}  // namespace lw
