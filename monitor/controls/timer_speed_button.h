// One half of a spin button: a flat button without a window of its own that, held down with
// the mouse, clicks again and again.
#pragma once

#include <memory>

#include "monitor/controls/control_windows.h"
#include "monitor/forms/component.h"

namespace lw {

class TTimerSpeedButton : public Component {
  public:
    // The first repeat comes this long after the press, the others this far apart.
    static constexpr unsigned kInitialRepeatPause = 400;
    static constexpr unsigned kRepeatPause = 100;

    // `window` draws the button and lends it a timer with the id `timerId`, made on first use.
    TTimerSpeedButton(Component* owner, SpinButtonWindow& window, unsigned timerId);

    // Held down, the button clicks at once, after 400 ms and then every 100 ms; without this
    // it clicks once when released over it.
    bool RepeatOnHold() const { return repeatOnHold_; }
    void SetRepeatOnHold(bool on) { repeatOnHold_ = on; }
    // Draws the focus rectangle while its spin button has the focus.
    bool DrawFocus() const { return drawFocus_; }
    void SetDrawFocus(bool on);

    ControlRect Bounds() const { return bounds_; }
    void SetBounds(const ControlRect& bounds) { bounds_ = bounds; }
    // The image, with NumGlyphs pictures side by side: normal, disabled, pressed.
    const std::shared_ptr<const GlyphImage>& Glyph() const { return glyph_; }
    void SetGlyph(std::shared_ptr<const GlyphImage> glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);

    // Drawn pressed: the mouse went down on it and is still over it.
    bool IsDown() const { return down_; }

    NotifyEvent OnClick;
    void Click() { OnClick(*this); }

    // Reports from the spin button's window: the left mouse button went down on this button,
    // the pointer moved (over it or not) while the button was held, the button was released.
    void MouseDown();
    void MouseMove(bool over);
    void MouseUp(bool over);

  private:
    void SetDown(bool down);
    void TimerExpired();
    RepeatTimer& Timer();

    SpinButtonWindow& window_;
    unsigned timerId_;
    std::unique_ptr<RepeatTimer> timer_;
    bool repeatOnHold_ = false;
    bool drawFocus_ = false;
    ControlRect bounds_;
    std::shared_ptr<const GlyphImage> glyph_;
    int numGlyphs_ = 1;
    bool held_ = false;
    bool down_ = false;
};

}  // namespace lw
