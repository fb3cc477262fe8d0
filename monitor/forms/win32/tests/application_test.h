// What the window tests of the forms and of the components on them share: a real application
// whose handlers' errors are kept for the test to look at, the taskbar's view of a window, and
// a user's choice in a popup menu.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <vector>

#include "monitor/forms/win32/application_window.h"

namespace lw::testing {

class ApplicationTest : public ::testing::Test {
  protected:
    ApplicationTest() {
        app.App().OnException = Handler<const std::exception&>::Of<&ApplicationTest::Keep>(*this);
    }

    // What the handlers threw, in order; an error box would wait for a person.
    std::vector<std::string> errors;
    Win32Application app{"LineWink"};

  private:
    void Keep(const std::exception& error) { errors.push_back(error.what()); }
};

// Whether the taskbar shows a button for `window`: a shown, unowned top-level window that is an
// application window or not a tool window.
inline bool HasTaskbarButton(HWND window) {
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    return IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr &&
           (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) == 0 &&
           ((exStyle & WS_EX_APPWINDOW) != 0 || (exStyle & WS_EX_TOOLWINDOW) == 0);
}

// A thread timer's procedure: picks the first item of the popup menu open on this thread, from
// inside the menu's own loop, with the keys a user would press.
inline void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND focus = GetForegroundWindow();
    PostMessageA(focus, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace lw::testing
