#pragma once

#include <windows.h>

#include <functional>

#include "monitor/serial/wait_services.h"

namespace lw {

// A window timer on a small hidden window of its own, so that it fires through the thread's
// message loop like any other window message.
class Win32ResponseTimer : public ResponseTimer {
  public:
    // Throws std::runtime_error when the window cannot be made: a timer that can never fire
    // would let a wait go on for ever.
    Win32ResponseTimer();
    ~Win32ResponseTimer() override;
    Win32ResponseTimer(const Win32ResponseTimer&) = delete;
    Win32ResponseTimer& operator=(const Win32ResponseTimer&) = delete;

    void SetTickHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
    std::uint32_t Interval() const override { return interval_; }
    void SetInterval(std::uint32_t milliseconds) override;
    void SetEnabled(bool enabled) override;

    HWND Window() const { return window_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Restart();

    HWND window_ = nullptr;
    std::function<void()> onTick_;
    std::uint32_t interval_ = 1000;
    bool enabled_ = false;
};

}  // namespace lw
