// A pair of small arrow buttons, one above the other, that step a value up and down.
#pragma once

#include <memory>
#include <optional>

#include "monitor/controls/control_windows.h"
#include "monitor/controls/timer_speed_button.h"
#include "monitor/forms/component.h"

namespace lw {

class TSpinButton : public Component, public FocusTarget {
  public:
    // The id of each half's repeat timer on the button's window.
    static constexpr unsigned kUpTimerId = 1;
    static constexpr unsigned kDownTimerId = 2;
    static constexpr int kDefaultWidth = 20;
    static constexpr int kDefaultHeight = 25;

    // Makes its window in `parent` at `bounds` (the default size when none is given).
    TSpinButton(Component* owner, ControlSystem& system, WindowHandle parent,
                std::optional<ControlRect> bounds = std::nullopt);
    ~TSpinButton() override;

    WindowHandle Handle() const { return window_->Handle(); }
    TTimerSpeedButton& UpButton() { return *up_; }
    TTimerSpeedButton& DownButton() { return *down_; }
    // The half that Space clicks; the upper one at first.
    TTimerSpeedButton& FocusedButton() { return *focused_; }

    // Takes the focus when a half is clicked, instead of the spin button itself.
    FocusTarget* FocusControl() const { return focusControl_; }
    void SetFocusControl(FocusTarget* control) { focusControl_ = control; }

    ControlRect Bounds() const { return bounds_; }
    // A width below 15 becomes 15; the halves share the height.
    void SetBounds(const ControlRect& bounds);
    bool Enabled() const { return window_->Enabled(); }
    void SetEnabled(bool enabled) { window_->SetEnabled(enabled); }

    // The halves' images; a null image brings back the arrows "VexSpinUp" and "VexSpinDown".
    void SetUpGlyph(std::shared_ptr<const GlyphImage> glyph);
    void SetDownGlyph(std::shared_ptr<const GlyphImage> glyph);
    void SetUpNumGlyphs(int count) { up_->SetNumGlyphs(count); }
    void SetDownNumGlyphs(int count) { down_->SetNumGlyphs(count); }

    NotifyEvent OnUpClick;
    NotifyEvent OnDownClick;

    bool Focused() const override { return window_->Focused(); }
    bool CanFocus() const override { return window_->CanFocus(); }
    void SetFocus() override { window_->SetFocus(); }

    // Where the focus rectangle of `half` goes, if it shows one now.
    std::optional<ControlRect> FocusRect(const TTimerSpeedButton& half) const;

    // Reports from the window, in its client coordinates. KeyDown is true for a key it used.
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    void CaptureLost();
    bool KeyDown(ControlKey key);
    void FocusChanged() { window_->Repaint(); }

  private:
    TTimerSpeedButton* HalfAt(int x, int y);
    void SetFocusedButton(TTimerSpeedButton& half);
    void TakeFocus();
    void HalfClicked(Component& sender);

    ControlSystem& system_;
    std::unique_ptr<SpinButtonWindow> window_;
    TTimerSpeedButton* up_ = nullptr;
    TTimerSpeedButton* down_ = nullptr;
    TTimerSpeedButton* focused_ = nullptr;
    TTimerSpeedButton* pressed_ = nullptr;
    FocusTarget* focusControl_ = nullptr;
    ControlRect bounds_;
};

}  // namespace lw
