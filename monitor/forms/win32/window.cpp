#include "monitor/forms/win32/window.h"

namespace lw {
namespace {

int ShowCode(ShowCommand command) {
    switch (command) {
        case ShowCommand::Hide:
            return SW_HIDE;
        case ShowCommand::ShowNormal:
            return SW_SHOWNORMAL;
        case ShowCommand::Show:
            return SW_SHOW;
        case ShowCommand::ShowNoActivate:
            return SW_SHOWNA;
        case ShowCommand::Minimize:
            return SW_MINIMIZE;
        case ShowCommand::Restore:
            return SW_RESTORE;
    }
    return SW_SHOW;
}

}  // namespace

bool Win32Window::IsVisible() const {
    return IsWindowVisible(window_) != FALSE;
}

bool Win32Window::IsMinimized() const {
    return IsIconic(window_) != FALSE;
}

bool Win32Window::IsEnabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

bool Win32Window::IsTopmost() const {
    return (GetWindowLongPtrA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Win32Window::Show(ShowCommand command) {
    ShowWindow(window_, ShowCode(command));
}

void Win32Window::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

void Win32Window::SetTopmost(bool topmost) {
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Window::SetText(const std::string& text) {
    SetWindowTextA(window_, text.c_str());
}

void Win32Window::BringToForeground() {
    SetForegroundWindow(window_);
}

void Win32Window::Activate() {
    SetActiveWindow(window_);
}

// For a top-level window the "parent" slot holds its owner.
void Win32Window::SetOwner(WindowHandle owner) {
    SetWindowLongPtrA(window_, GWLP_HWNDPARENT, static_cast<LONG_PTR>(owner));
}

void Win32Window::Post(unsigned message) {
    PostMessageA(window_, message, 0, 0);
}

}  // namespace lw
