// The settings dialog's controls on real windows: the system's buttons, edits, combo boxes,
// statics, date and time pickers and tab control, and two small window classes of ours, the
// page (a plain window that holds controls) and the colour swatch.
//
// The system sends what happens to a control to the control's parent (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLORSTATIC). A page hands these on by itself; the dialog's form hands on those of
// the controls it holds directly with Route.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "monitor/setup/controls/dialog_windows.h"

namespace lw {

class Win32Control;

// Which control each window is; one per dialog.
class ControlRouter {
  public:
    void Add(HWND window, Win32Control& control) { controls_[window] = &control; }
    void Remove(HWND window) { controls_.erase(window); }
    // Hands a parent's message on to the control it is about; false when it is about none.
    bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    Win32Control* Find(HWND window) const;
    std::map<HWND, Win32Control*> controls_;
};

class Win32Control : public ControlWindow {
  public:
    // Takes over `window`, made by the caller as a child of a dialog's window.
    Win32Control(ControlRouter& router, HWND window, ControlEvents& events,
                 const ControlLook& look);
    ~Win32Control() override;
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    HWND Hwnd() const { return window_; }
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
    void SetEnabled(bool enabled) override { EnableWindow(window_, enabled); }
    // The control's own visibility, whether or not its page is shown.
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void SetBounds(const ControlRect& bounds) override;
    void Repaint() override { InvalidateRect(window_, nullptr, TRUE); }

    // What the parent hands on.
    virtual void Command(WORD) {}
    virtual void Notify(const NMHDR&) {}
    // The colours of a static or button: null for the system's own.
    HBRUSH Colours(HDC dc) const;

  protected:
    ControlEvents& Events() const { return events_; }
    // True while the program itself changes the window, whose notifications are not the
    // user's.
    bool Quiet() const { return quiet_; }
    class QuietScope {
      public:
        explicit QuietScope(Win32Control& control) : control_(control) { control_.quiet_ = true; }
        ~QuietScope() { control_.quiet_ = false; }
        QuietScope(const QuietScope&) = delete;
        QuietScope& operator=(const QuietScope&) = delete;

      private:
        Win32Control& control_;
    };

  private:
    ControlRouter& router_;
    HWND window_;
    ControlEvents& events_;
    HFONT font_ = nullptr;
    COLORREF textColour_ = 0;
    bool coloured_ = false;
    bool quiet_ = false;
};

class Win32DialogWindows : public DialogWindows {
  public:
    Win32DialogWindows();
    ~Win32DialogWindows() override;
    Win32DialogWindows(const Win32DialogWindows&) = delete;
    Win32DialogWindows& operator=(const Win32DialogWindows&) = delete;

    std::unique_ptr<ControlWindow> Create(const ControlSpec& spec, WindowHandle parent,
                                          ControlEvents& events) override;
    TVexSpinEdit& CreateSpinEdit(Component& owner, WindowHandle parent,
                                 const ControlRect& bounds) override;

    ControlRouter& Router() { return router_; }
    // The font every control of the dialog is given.
    static HFONT DialogFont();

  private:
    std::unique_ptr<Win32Control> Make(const ControlSpec& spec, HWND parent, ControlEvents& events);
    void AddHint(HWND parent, HWND control, const std::string& hint);

    ControlRouter router_;
    HWND tooltip_ = nullptr;
    int nextId_ = 1000;
    // Radio buttons that follow one another are one group of the dialog's keys.
    ControlKind lastKind_ = ControlKind::Label;
};

}  // namespace lw
