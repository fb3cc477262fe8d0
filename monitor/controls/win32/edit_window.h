// The text window of a spin edit: the system's edit control, made multi-line so that its text
// rectangle can leave room for the spin button, and subclassed so that keys, focus, size and
// every change of the text reach the TVexSpinEdit first.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/controls/control_windows.h"
#include "monitor/controls/vex_spin_edit.h"

namespace lw {

class Win32EditWindow : public EditWindow {
  public:
    // The edit takes the parent's font, or the system's dialog font when the parent has none.
    Win32EditWindow(TVexSpinEdit& control, HWND parent, const ControlRect& bounds);
    ~Win32EditWindow() override;
    Win32EditWindow(const Win32EditWindow&) = delete;
    Win32EditWindow& operator=(const Win32EditWindow&) = delete;

    HWND Hwnd() const { return window_; }

    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SelectAll() override;
    void SetReadOnly(bool readOnly) override;
    void SetMaxLength(int length) override;
    void SetEnabled(bool enabled) override;
    bool Enabled() const override;
    void SetVisible(bool visible) override;
    void SetThreeDimensional(bool on) override;
    ControlRect Bounds() const override;
    void SetBounds(const ControlRect& bounds) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetTextRect(const ControlRect& rect) override;
    int FontHeight() const override;
    bool Focused() const override;
    bool CanFocus() const override;
    void SetFocus() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallEdit(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ReportTextChange(UINT message, WPARAM wParam, LPARAM lParam);

    TVexSpinEdit& control_;
    HWND window_ = nullptr;
    WNDPROC editProcedure_ = nullptr;
    bool mouseDown_ = false;
};

}  // namespace lw
