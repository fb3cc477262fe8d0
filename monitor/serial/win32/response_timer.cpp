#include "monitor/serial/win32/response_timer.h"

#include <stdexcept>

namespace lw {
namespace {

const char* const kWindowClass = "LineWinkResponseTimer";
constexpr UINT_PTR kTimerId = 1;

void RegisterWindowClass(WNDPROC windowProc) {
    static const ATOM atom = [windowProc] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassA(&windowClass);
    }();
    if (atom == 0) {
        throw std::runtime_error("cannot register the response timer's window class");
    }
}

}  // namespace

Win32ResponseTimer::Win32ResponseTimer() {
    RegisterWindowClass(WindowProc);
    window_ = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("cannot create the response timer's window");
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32ResponseTimer::~Win32ResponseTimer() {
    KillTimer(window_, kTimerId);
    DestroyWindow(window_);
}

void Win32ResponseTimer::SetInterval(std::uint32_t milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void Win32ResponseTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

// Setting the timer again starts its interval anew.
void Win32ResponseTimer::Restart() {
    KillTimer(window_, kTimerId);
    if (enabled_) {
        SetTimer(window_, kTimerId, interval_, nullptr);
    }
}

LRESULT CALLBACK Win32ResponseTimer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        auto* timer =
            reinterpret_cast<Win32ResponseTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (timer != nullptr && timer->onTick_) {
            timer->onTick_();
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace lw
