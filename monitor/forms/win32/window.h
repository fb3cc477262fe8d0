// A top-level window of the program, by its handle.
#pragma once

#include <windows.h>

#include "monitor/forms/system_window.h"

namespace lw {

class Win32Window : public SystemWindow {
  public:
    Win32Window() = default;
    explicit Win32Window(HWND window) : window_(window) {}
    void Attach(HWND window) { window_ = window; }
    HWND Hwnd() const { return window_; }

    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
    bool IsVisible() const override;
    bool IsMinimized() const override;
    bool IsEnabled() const override;
    bool IsTopmost() const override;
    void Show(ShowCommand command) override;
    void SetEnabled(bool enabled) override;
    void SetTopmost(bool topmost) override;
    void SetText(const std::string& text) override;
    void BringToForeground() override;
    void Activate() override;
    void SetOwner(WindowHandle owner) override;
    void Post(unsigned message) override;

  private:
    HWND window_ = nullptr;
};

}  // namespace lw
