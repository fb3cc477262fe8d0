// The window of a spin button: a child window that draws both halves and hands the mouse,
// the keys and its timers to the TSpinButton.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "monitor/controls/control_windows.h"
#include "monitor/controls/spin_button.h"

namespace lw {

class Win32SpinButtonWindow : public SpinButtonWindow {
  public:
    Win32SpinButtonWindow(TSpinButton& control, HWND parent, const ControlRect& bounds);
    ~Win32SpinButtonWindow() override;
    Win32SpinButtonWindow(const Win32SpinButtonWindow&) = delete;
    Win32SpinButtonWindow& operator=(const Win32SpinButtonWindow&) = delete;

    HWND Hwnd() const { return window_; }

    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
    void SetBounds(const ControlRect& bounds) override;
    void SetEnabled(bool enabled) override;
    bool Enabled() const override;
    void Repaint() override;
    bool Focused() const override;
    bool CanFocus() const override;
    void SetFocus() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    bool HasMouseCapture() const override;
    std::unique_ptr<RepeatTimer> CreateTimer(unsigned id, Handler<> onTick) override;

  private:
    class Timer;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PaintHalf(HDC dc, const TTimerSpeedButton& half);

    TSpinButton& control_;
    HWND window_ = nullptr;
    std::map<unsigned, Handler<>> timers_;
};

}  // namespace lw
