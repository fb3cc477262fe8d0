#include "monitor/controls/timer_speed_button.h"

#include <algorithm>

namespace lw {

TTimerSpeedButton::TTimerSpeedButton(Component* owner, SpinButtonWindow& window, unsigned timerId)
    : Component(owner), window_(window), timerId_(timerId) {}

void TTimerSpeedButton::SetDrawFocus(bool on) {
    if (drawFocus_ != on) {
        drawFocus_ = on;
        window_.Repaint();
    }
}

void TTimerSpeedButton::SetGlyph(std::shared_ptr<const GlyphImage> glyph) {
    glyph_ = std::move(glyph);
    window_.Repaint();
}

void TTimerSpeedButton::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    window_.Repaint();
}

void TTimerSpeedButton::MouseDown() {
    held_ = true;
    SetDown(true);
    if (!repeatOnHold_) {
        return;
    }
    Timer().Start(kInitialRepeatPause);
    try {
        Click();
    } catch (...) {
        Timer().Stop();
        throw;
    }
}

void TTimerSpeedButton::MouseMove(bool over) {
    if (held_) {
        SetDown(over);
    }
}

void TTimerSpeedButton::MouseUp(bool over) {
    if (!held_) {
        return;
    }
    held_ = false;
    SetDown(false);
    if (timer_ != nullptr) {
        timer_->Stop();
    }
    if (over && !repeatOnHold_) {
        Click();
    }
}

void TTimerSpeedButton::SetDown(bool down) {
    if (down_ != down) {
        down_ = down;
        window_.Repaint();
    }
}

// Repeats only while the button is drawn pressed and the mouse still belongs to it; a click
// that fails ends the repeating. A tick that was already queued when the button was let go
// finds it released and starts nothing again.
void TTimerSpeedButton::TimerExpired() {
    if (!held_) {
        Timer().Stop();
        return;
    }
    Timer().Start(kRepeatPause);
    if (!down_ || !window_.HasMouseCapture()) {
        return;
    }
    try {
        Click();
    } catch (...) {
        Timer().Stop();
        throw;
    }
}

RepeatTimer& TTimerSpeedButton::Timer() {
    if (timer_ == nullptr) {
        timer_ =
            window_.CreateTimer(timerId_, Handler<>::Of<&TTimerSpeedButton::TimerExpired>(*this));
    }
    return *timer_;
}

}  // namespace lw
