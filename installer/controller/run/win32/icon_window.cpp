// The program icon, the invisible icon window "wndclassic" that stands for the installation in
// the task list, and help.
#include <windows.h>

#include "installer/controller/run/win32/win32_controller_windows.h"

namespace aw {

void Win32ControllerWindows::LoadProgramIcon(const std::string& file) {
    FreeProgramIcon();
    icon_ = static_cast<HICON>(
        LoadImageA(nullptr, file.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    iconFromFile_ = icon_ != nullptr;
    if (icon_ == nullptr) {
        icon_ = LoadIconA(program_, "ICONSETUP");
    }
    if (icon_ == nullptr) {
        icon_ = LoadIconA(nullptr, IDI_APPLICATION);
    }
}

void Win32ControllerWindows::FreeProgramIcon() {
    // Icons of resources belong to their module; only one made from a file is destroyed.
    if (icon_ != nullptr && iconFromFile_) {
        DestroyIcon(icon_);
    }
    icon_ = nullptr;
    iconFromFile_ = false;
}

LRESULT CALLBACK Win32ControllerWindows::IconWindowProc(HWND window, UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self =
        reinterpret_cast<Win32ControllerWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && message == WM_SYSCOMMAND) {
        const WPARAM command = wParam & 0xFFF0;
        if (command == SC_CLOSE || command == SC_MAXIMIZE || command == SC_RESTORE) {
            self->BringBackScreen();
            if (command == SC_CLOSE && self->Owner() != nullptr) {
                PostMessageA(self->Owner(), WM_NULL, kScreenCloseRequest, 0);
            }
            return 0;
        }
    }
    if (self != nullptr && message == WM_COMMAND && LOWORD(wParam) == kHelpCommand) {
        self->OpenHelpContents();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Win32ControllerWindows::BringBackScreen() {
    ShowWindow(iconWindow_, SW_HIDE);
    if (Owner() != nullptr) {
        ShowWindow(Owner(), SW_SHOW);
        ShowOwnedPopups(Owner(), TRUE);
        SetForegroundWindow(Owner());
    }
}

void Win32ControllerWindows::OpenHelpContents() {
    if (!helpFile_.empty()) {
        helpShown_ = WinHelpA(iconWindow_, helpFile_.c_str(), HELP_CONTENTS, 0) != FALSE;
    }
}

bool Win32ControllerWindows::CreateIconWindow(const std::string& title) {
    static const bool registered = [instance = program_] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = IconWindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kIconWindowClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered) {
        return false;
    }
    iconWindow_ =
        CreateWindowExA(0, kIconWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 100, 100, nullptr, nullptr, program_, this);
    if (iconWindow_ != nullptr && icon_ != nullptr) {
        SendMessageA(iconWindow_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    }
    return iconWindow_ != nullptr;
}

void Win32ControllerWindows::SetIconWindowTitle(const std::string& title) {
    if (iconWindow_ != nullptr) {
        SetWindowTextA(iconWindow_, title.c_str());
    }
}

bool Win32ControllerWindows::IconWindowVisible() {
    return iconWindow_ != nullptr && IsWindowVisible(iconWindow_);
}

void Win32ControllerWindows::DestroyIconWindow() {
    if (iconWindow_ != nullptr) {
        DestroyWindow(iconWindow_);
        iconWindow_ = nullptr;
    }
}

void Win32ControllerWindows::CloseHelp() {
    if (helpShown_) {
        WinHelpA(nullptr, helpFile_.c_str(), HELP_QUIT, 0);
        helpShown_ = false;
    }
    helpFile_.clear();
}

}  // namespace aw
