#include "monitor/tray/win32/tray_desktop.h"

#include <windows.h>

#include <stdexcept>

namespace lw {
namespace {

const char kHiddenOwnerClass[] = "TPGApplication";
HWND g_hiddenOwner = nullptr;

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

WindowHandle Win32TrayDesktop::HiddenOwnerWindow() {
    if (g_hiddenOwner == nullptr) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kHiddenOwnerClass;
        if (RegisterClassA(&windowClass) == 0) {
            throw std::runtime_error("Couldn't register window class: TPGApplication");
        }
        g_hiddenOwner =
            CreateWindowExA(0, kHiddenOwnerClass, "", WS_POPUP, GetSystemMetrics(SM_CXSCREEN) / 2,
                            GetSystemMetrics(SM_CYSCREEN) / 2, 50, 50, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
        if (g_hiddenOwner == nullptr) {
            UnregisterClassA(kHiddenOwnerClass, GetModuleHandleA(nullptr));
            throw std::runtime_error("Couldn't create the window of class TPGApplication");
        }
    }
    return reinterpret_cast<WindowHandle>(g_hiddenOwner);
}

bool Win32TrayDesktop::HiddenOwnerWindowExists() const {
    return g_hiddenOwner != nullptr;
}

void Win32TrayDesktop::LockUpdate() {
    LockWindowUpdate(GetDesktopWindow());
}

void Win32TrayDesktop::UnlockUpdate() {
    LockWindowUpdate(nullptr);
}

bool Win32TrayDesktop::MinimizeAnimation() const {
    ANIMATIONINFO info = {};
    info.cbSize = sizeof info;
    return SystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0) && info.iMinAnimate != 0;
}

void Win32TrayDesktop::SetMinimizeAnimation(bool on) {
    ANIMATIONINFO info = {};
    info.cbSize = sizeof info;
    info.iMinAnimate = on ? 1 : 0;
    SystemParametersInfoA(SPI_SETANIMATION, sizeof info, &info, 0);
}

void Win32TrayDesktop::ForegroundDesktop() {
    SetForegroundWindow(GetDesktopWindow());
}

std::uint32_t Win32Ticks::TickCount() const {
    return GetTickCount();
}

ScreenPoint Win32PointerState::CursorPos() const {
    POINT point = {};
    GetCursorPos(&point);
    return {point.x, point.y};
}

ShiftState Win32PointerState::Shift() const {
    ShiftState state;
    const std::pair<int, ShiftKey> keys[] = {
        {VK_SHIFT, ShiftKey::Shift},  {VK_MENU, ShiftKey::Alt},      {VK_CONTROL, ShiftKey::Ctrl},
        {VK_LBUTTON, ShiftKey::Left}, {VK_RBUTTON, ShiftKey::Right}, {VK_MBUTTON, ShiftKey::Middle},
    };
    for (const auto& [key, shift] : keys) {
        if (KeyDown(key)) {
            state = state | shift;
        }
    }
    return state;
}

}  // namespace lw
