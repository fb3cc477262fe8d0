#include "monitor/forms/win32/application_window.h"

#include <stdexcept>

#include "monitor/forms/form.h"
#include "monitor/forms/popup_menu.h"
#include "monitor/forms/win32/form_window.h"

namespace lw {
namespace {

const char kClassName[] = "LwApplication";

void RegisterApplicationClass(WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) {
        throw std::runtime_error("Couldn't register window class: LwApplication");
    }
}

}  // namespace

Win32Application* Win32Application::current_ = nullptr;

Win32Application::Win32Application(const std::string& title) : app_(*this, window_) {
    RegisterApplicationClass(WindowProc);
    const HWND window =
        CreateWindowExA(0, kClassName, title.c_str(),
                        WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                        GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                        nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (window == nullptr) {
        throw std::runtime_error("Couldn't create the application window");
    }
    window_.Attach(window);
    app_.SetTitle(title);
    current_ = this;
}

Win32Application::~Win32Application() {
    if (current_ == this) {
        current_ = nullptr;
    }
    SetWindowLongPtrA(window_.Hwnd(), GWLP_USERDATA, 0);
    DestroyWindow(window_.Hwnd());
}

// Longer paths than MAX_PATH come back cut short: the buffer grows until the whole one fits.
std::string Win32Application::ExeName() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void Win32Application::Run() {
    window_.Show(ShowCommand::ShowNoActivate);
    if (Form* main = app_.MainForm()) {
        main->Show();
    }
    app_.Run();
}

void Win32Application::ReportError(const std::exception& error) {
    if (current_ != nullptr) {
        current_->app_.HandleException(error);
    } else {
        MessageBoxA(nullptr, error.what(), nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
}

bool Win32Application::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return false;
        }
        Dispatch(message);
    }
    return true;
}

bool Win32Application::HandleMessage() {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
        return false;
    }
    Dispatch(message);
    return true;
}

void Win32Application::Dispatch(MSG& message) {
    if (Win32Form::HandleDialogKey(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Win32Application::PostQuit() {
    PostQuitMessage(0);
}

// The menu's owner is the application window: the command comes back to it as WM_COMMAND.
void Win32Application::TrackPopupMenu(const PopupMenu& menu, int x, int y) {
    const HMENU popup = CreatePopupMenu();
    for (const MenuItem* item : menu.Items()) {
        if (item->IsSeparator()) {
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuA(popup, MF_STRING | (item->Enabled ? MF_ENABLED : MF_GRAYED), item->Command(),
                    item->Caption.c_str());
        if (item->Default) {
            SetMenuDefaultItem(popup, item->Command(), FALSE);
        }
    }
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, window_.Hwnd(), nullptr);
    DestroyMenu(popup);
}

void Win32Application::ShowError(const std::string& title, const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

LRESULT CALLBACK Win32Application::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Application*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->window_.Hwnd() != window) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT Win32Application::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MINIMIZE:
                    app_.Minimize();
                    return 0;
                case SC_RESTORE:
                    app_.Restore();
                    return 0;
                case SC_CLOSE:
                    app_.CloseRequested();
                    return 0;
            }
            break;
        case WM_CLOSE:
            app_.CloseRequested();
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED && !minimized_) {
                minimized_ = true;
                app_.WindowMinimized();
            } else if (wParam != SIZE_MINIMIZED && minimized_) {
                minimized_ = false;
                app_.WindowRestored();
            }
            break;
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0 && app_.MenuCommand(LOWORD(wParam))) {
                return 0;
            }
            break;
    }
    return DefWindowProcA(window_.Hwnd(), message, wParam, lParam);
}

}  // namespace lw
