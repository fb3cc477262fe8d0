#include "monitor/tray/win32/tray_windows.h"

#include <windows.h>

#include <functional>
#include <stdexcept>

#include "monitor/forms/win32/application_window.h"

namespace lw {
namespace {

// A hidden top-level window whose messages go to a function once it is bound.
class HiddenWindow {
  public:
    using Procedure = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

    HiddenWindow() {
        window_ = CreateWindowExA(0, ClassName(), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        if (window_ == nullptr) {
            throw std::runtime_error("Couldn't create a hidden window");
        }
    }
    ~HiddenWindow() {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    void Bind(Procedure procedure) {
        procedure_ = std::move(procedure);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    HWND Hwnd() const { return window_; }

  private:
    static const char* ClassName() {
        static const ATOM atom = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = WindowProc;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "LwTrayWindow";
            return RegisterClassA(&windowClass);
        }();
        if (atom == 0) {
            throw std::runtime_error("Couldn't register window class: LwTrayWindow");
        }
        return "LwTrayWindow";
    }
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<HiddenWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self == nullptr) {
            return DefWindowProcA(window, message, wParam, lParam);
        }
        return Win32Application::Guarded([&] { return self->procedure_(message, wParam, lParam); });
    }

    HWND window_ = nullptr;
    Procedure procedure_;
};

class Win32MessageWindow : public MessageWindow {
  public:
    explicit Win32MessageWindow(MessageTarget& target) {
        window_.Bind([&target](UINT message, WPARAM wParam, LPARAM lParam) {
            return static_cast<LRESULT>(target.OnMessage(message, wParam, lParam));
        });
    }
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_.Hwnd()); }
    void Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        PostMessageA(window_.Hwnd(), message, wParam, lParam);
    }

  private:
    HiddenWindow window_;
};

class Win32SystemTimer : public SystemTimer {
  public:
    static constexpr UINT_PTR kTimerId = 1;

    explicit Win32SystemTimer(Handler<> onTick) {
        window_.Bind([this, onTick](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_TIMER && wParam == kTimerId) {
                onTick();
                return 0;
            }
            return DefWindowProcA(window_.Hwnd(), message, wParam, lParam);
        });
    }
    ~Win32SystemTimer() override { Stop(); }
    void Start(unsigned milliseconds) override {
        SetTimer(window_.Hwnd(), kTimerId, milliseconds, nullptr);
    }
    void Stop() override { KillTimer(window_.Hwnd(), kTimerId); }

  private:
    HiddenWindow window_;
};

}  // namespace

std::unique_ptr<MessageWindow> Win32TrayWindows::CreateMessageWindow(MessageTarget& target) {
    return std::make_unique<Win32MessageWindow>(target);
}

std::unique_ptr<SystemTimer> Win32TrayWindows::CreateTimer(Handler<> onTick) {
    return std::make_unique<Win32SystemTimer>(onTick);
}

}  // namespace lw
