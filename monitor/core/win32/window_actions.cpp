#include "monitor/core/win32/window_actions.h"

namespace lw {

// Going on top comes before a box and may activate the window; leaving the top must not.
void Win32WindowActions::SetTopmost(bool topmost) {
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 topmost ? keep : keep | SWP_NOACTIVATE);
}

// An active caption is repainted by the system, which paints over the display.
void Win32WindowActions::RemoveTitleBarDisplay() {
    if (titleBarWindow_ != nullptr) {
        SendMessageA(titleBarWindow_, WM_NCACTIVATE, 1, 0);
    }
    HWND owner = GetForegroundWindow();
    for (HWND parent = owner; parent != nullptr; parent = GetParent(parent)) {
        owner = parent;
    }
    if (owner != nullptr) {
        SendMessageA(owner, WM_NCACTIVATE, 1, 0);
    }
}

void Win32WindowActions::ReleaseDriver() {
    if (releaseDriver_) {
        releaseDriver_();
    }
}

void Win32WindowActions::StopTimer() {
    KillTimer(window_, timerId_);
}

void Win32WindowActions::CloseMainWindow() {
    SendMessageA(window_, WM_CLOSE, 0, 0);
}

void Win32WindowActions::InvalidatePanel() {
    InvalidateRect(window_, nullptr, FALSE);
}

void Win32WindowActions::DrawPanelNow() {
    UpdateWindow(window_);
}

bool Win32WindowActions::IsClosing() const {
    return IsWindow(window_) == FALSE;
}

}  // namespace lw
