#include "monitor/controls/vex_spin_edit.h"

#include "monitor/controls/spin_layout.h"
#include "monitor/controls/spin_value.h"

namespace lw {

TVexSpinEdit::TVexSpinEdit(Component* owner, ControlSystem& system, WindowHandle parent,
                           const ControlRect& bounds)
    : Component(owner), system_(system) {
    window_ = system.CreateEditWindow(*this, parent, bounds);
    button_ = &Create<TSpinButton>(*this, system, window_->Handle(),
                                   ControlRect::Sized(0, 0, kButtonWidth, kButtonHeight));
    button_->SetFocusControl(this);
    button_->OnUpClick = NotifyEvent::Of<&TVexSpinEdit::ButtonUpClick>(*this);
    button_->OnDownClick = NotifyEvent::Of<&TVexSpinEdit::ButtonDownClick>(*this);
    SetText("0");
    FontChanged();
}

// The button's window lies inside the edit's: it goes first.
TVexSpinEdit::~TVexSpinEdit() {
    DestroyComponents();
}

void TVexSpinEdit::SetRange(std::int32_t minimum, std::int32_t maximum) {
    minValue_ = minimum;
    maxValue_ = maximum;
}

void TVexSpinEdit::SetReadOnly(bool on) {
    readOnly_ = on;
    window_->SetReadOnly(on);
}

void TVexSpinEdit::SetAutoSize(bool on) {
    autoSize_ = on;
    FontChanged();
}

void TVexSpinEdit::SetMaxLength(int length) {
    maxLength_ = length < 0 ? 0 : length;
    window_->SetMaxLength(maxLength_);
}

void TVexSpinEdit::SetCtl3D(bool on) {
    ctl3D_ = on;
    window_->SetThreeDimensional(on);
    Resized();
}

void TVexSpinEdit::SetText(const std::string& text) {
    if (text != window_->Text()) {
        window_->SetText(text);
    }
}

std::int32_t TVexSpinEdit::Value() const {
    return ParseSpinText(window_->Text()).value_or(minValue_);
}

void TVexSpinEdit::SetValue(std::int32_t value) {
    SetText(std::to_string(LimitValue(value)));
}

std::int32_t TVexSpinEdit::LimitValue(std::int32_t value) const {
    return lw::LimitValue(value, minValue_, maxValue_);
}

void TVexSpinEdit::SetEnabled(bool enabled) {
    window_->SetEnabled(enabled);
    button_->SetEnabled(enabled);
}

int TVexSpinEdit::MinHeight() const {
    return SpinEditMinHeight(window_->FontHeight(), system_.SystemFontHeight(),
                             system_.BorderHeight());
}

bool TVexSpinEdit::AcceptsChar(char key) const {
    return AcceptsSpinChar(key, editorEnabled_, system_.DecimalSeparator());
}

void TVexSpinEdit::UpClick() {
    Step(increment_);
}

void TVexSpinEdit::DownClick() {
    Step(-increment_);
}

void TVexSpinEdit::Step(std::int32_t step) {
    if (readOnly_) {
        system_.Beep();
        return;
    }
    SetValue(StepValue(Value(), step));
}

bool TVexSpinEdit::KeyPress(char key) {
    if (AcceptsChar(key)) {
        return true;
    }
    system_.Beep();
    return false;
}

bool TVexSpinEdit::KeyDown(ControlKey key) {
    switch (key) {
        case ControlKey::Up:
            UpClick();
            return false;
        case ControlKey::Down:
            DownClick();
            return false;
        case ControlKey::Space:
        case ControlKey::Other:
            break;
    }
    return true;
}

// A mouse press places the caret where it went down instead.
void TVexSpinEdit::Entered(bool byMouse) {
    if (autoSelect_ && !byMouse) {
        window_->SelectAll();
    }
}

// What was typed out of range comes back into it now.
void TVexSpinEdit::Left() {
    const std::int32_t value = Value();
    if (LimitValue(value) != value) {
        SetValue(value);
    }
}

// A height below the minimum is raised, which resizes the window again.
void TVexSpinEdit::Resized() {
    if (button_ == nullptr) {
        return;
    }
    const ControlRect bounds = window_->Bounds();
    const int minHeight = MinHeight();
    if (bounds.Height() < minHeight) {
        window_->SetBounds(ControlRect::Sized(bounds.left, bounds.top, bounds.Width(), minHeight));
        return;
    }
    const int buttonWidth = button_->Bounds().Width();
    button_->SetBounds(SpinButtonPlace(bounds.Width(), bounds.Height(), buttonWidth, ctl3D_));
    window_->SetTextRect(
        SpinEditTextRect(window_->ClientWidth(), window_->ClientHeight(), buttonWidth));
}

void TVexSpinEdit::FontChanged() {
    if (autoSize_) {
        const ControlRect bounds = window_->Bounds();
        window_->SetBounds(
            ControlRect::Sized(bounds.left, bounds.top, bounds.Width(), MinHeight()));
    }
    Resized();
}

void TVexSpinEdit::TextChanged() {
    if (setting_ != nullptr) {
        *setting_ = Value();
    }
    OnChange(*this);
}

}  // namespace lw
