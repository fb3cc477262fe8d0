// "Send NOW!" waits for the modem inside the settings dialog, whose keys work meanwhile.
#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/forms/win32/form_window.h"
#include "monitor/serial/win32/message_loop.h"

namespace lw {
namespace {

HWND Button(HWND parent, const char* caption, int top) {
    return CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, top, 80,
                           24, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TEST(WaitMessageLoopTest, TabMovesOnInAFormThatAsksForDialogKeys) {
    Win32Application app{"LineWink"};
    Win32Form form{app,
                   {.caption = "Setup",
                    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                    .width = 200,
                    .height = 120,
                    .dialogKeys = true}};
    const HWND first = Button(form.Handle(), "Send NOW!", 10);
    const HWND second = Button(form.Handle(), "OK", 40);
    form.Show();
    SetFocus(first);
    ASSERT_EQ(GetFocus(), first);

    PostMessageA(first, WM_KEYDOWN, VK_TAB, 0);
    Win32MessageLoop wait;
    EXPECT_TRUE(wait.ProcessPendingMessages());
    EXPECT_EQ(GetFocus(), second);
}

}  // namespace
}  // namespace lw
