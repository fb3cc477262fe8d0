#include "monitor/controls/spin_button.h"

#include <algorithm>
#include <utility>

#include "monitor/controls/spin_layout.h"

namespace lw {
namespace {

constexpr char kUpGlyphName[] = "VexSpinUp";
constexpr char kDownGlyphName[] = "VexSpinDown";
constexpr int kFocusInset = 3;

}  // namespace

TSpinButton::TSpinButton(Component* owner, ControlSystem& system, WindowHandle parent,
                         std::optional<ControlRect> bounds)
    : Component(owner), system_(system) {
    const ControlRect place =
        bounds.value_or(ControlRect::Sized(0, 0, kDefaultWidth, kDefaultHeight));
    window_ = system.CreateSpinButtonWindow(*this, parent, place);
    const NotifyEvent clicked = NotifyEvent::Of<&TSpinButton::HalfClicked>(*this);
    up_ = &Create<TTimerSpeedButton>(*this, *window_, kUpTimerId);
    down_ = &Create<TTimerSpeedButton>(*this, *window_, kDownTimerId);
    for (TTimerSpeedButton* half : {up_, down_}) {
        half->SetRepeatOnHold(true);
        half->OnClick = clicked;
    }
    SetUpGlyph(nullptr);
    SetDownGlyph(nullptr);
    focused_ = up_;
    up_->SetDrawFocus(true);
    SetBounds(place);
}

// The halves' timers belong to the window: they go first.
TSpinButton::~TSpinButton() {
    DestroyComponents();
}

void TSpinButton::SetBounds(const ControlRect& bounds) {
    bounds_ = ControlRect::Sized(bounds.left, bounds.top,
                                 std::max(bounds.Width(), kMinSpinButtonWidth), bounds.Height());
    const SpinHalves halves = SpinButtonHalves(bounds_.Width(), bounds_.Height());
    up_->SetBounds(halves.up);
    down_->SetBounds(halves.down);
    window_->SetBounds(bounds_);
    window_->Repaint();
}

void TSpinButton::SetUpGlyph(std::shared_ptr<const GlyphImage> glyph) {
    up_->SetGlyph(glyph != nullptr ? std::move(glyph) : system_.LoadGlyph(kUpGlyphName));
}

void TSpinButton::SetDownGlyph(std::shared_ptr<const GlyphImage> glyph) {
    down_->SetGlyph(glyph != nullptr ? std::move(glyph) : system_.LoadGlyph(kDownGlyphName));
}

std::optional<ControlRect> TSpinButton::FocusRect(const TTimerSpeedButton& half) const {
    if (!half.DrawFocus() || !window_->Focused()) {
        return std::nullopt;
    }
    const ControlRect bounds = half.Bounds();
    const int shift = half.IsDown() ? 1 : 0;
    return ControlRect{bounds.left + kFocusInset + shift, bounds.top + kFocusInset + shift,
                       bounds.right - kFocusInset + shift, bounds.bottom - kFocusInset + shift};
}

// The lower half lies over the row the two share.
TTimerSpeedButton* TSpinButton::HalfAt(int x, int y) {
    if (down_->Bounds().Contains(x, y)) {
        return down_;
    }
    if (up_->Bounds().Contains(x, y)) {
        return up_;
    }
    return nullptr;
}

void TSpinButton::MouseDown(int x, int y) {
    TTimerSpeedButton* half = HalfAt(x, y);
    if (half == nullptr || !window_->Enabled()) {
        return;
    }
    SetFocusedButton(*half);
    TakeFocus();
    pressed_ = half;
    window_->CaptureMouse();
    half->MouseDown();
}

void TSpinButton::MouseMove(int x, int y) {
    if (pressed_ != nullptr) {
        pressed_->MouseMove(pressed_->Bounds().Contains(x, y));
    }
}

void TSpinButton::MouseUp(int x, int y) {
    TTimerSpeedButton* half = std::exchange(pressed_, nullptr);
    if (half == nullptr) {
        return;
    }
    window_->ReleaseMouse();
    half->MouseUp(half->Bounds().Contains(x, y));
}

void TSpinButton::CaptureLost() {
    if (TTimerSpeedButton* half = std::exchange(pressed_, nullptr)) {
        half->MouseUp(false);
    }
}

bool TSpinButton::KeyDown(ControlKey key) {
    switch (key) {
        case ControlKey::Space:
            focused_->Click();
            return true;
        case ControlKey::Up:
            SetFocusedButton(*up_);
            up_->Click();
            return true;
        case ControlKey::Down:
            SetFocusedButton(*down_);
            down_->Click();
            return true;
        case ControlKey::Other:
            break;
    }
    return false;
}

void TSpinButton::SetFocusedButton(TTimerSpeedButton& half) {
    if (&half != focused_) {
        focused_->SetDrawFocus(false);
        focused_ = &half;
        half.SetDrawFocus(true);
    }
}

void TSpinButton::TakeFocus() {
    if (focusControl_ != nullptr && focusControl_->CanFocus()) {
        if (!focusControl_->Focused()) {
            focusControl_->SetFocus();
        }
    } else if (!window_->Focused() && window_->CanFocus()) {
        window_->SetFocus();
    }
}

void TSpinButton::HalfClicked(Component& sender) {
    if (&sender == up_) {
        OnUpClick(*this);
    } else {
        OnDownClick(*this);
    }
}

}  // namespace lw
