// The numeric input of the settings dialog: a one-line edit that takes only an integer, with
// a spin button inside its right edge. Its value stays within MinValue and MaxValue, except
// while the user is typing: the range is enforced when the focus leaves.
//
// How a dialog uses one (win32/spin_edit_window.h makes it on a real window):
//
//     TVexSpinEdit& delay = MakeSpinEdit(dialog, page, ControlRect::Sized(120, 40, 60, 0));
//     delay.SetRange(0, 10000);
//     delay.Bind(settings.CDAutoExitDelay);      // every change of the text is stored
//     delay.OnChange = NotifyEvent::Of<&TSetupDlg::SEExitDelayChange>(dialog);  // optional
//     ...
//     delay.SetValue(settings.CDAutoExitDelay);  // the dialog's refresh
//
// A bound setting receives Value on every change of the text, before OnChange runs: a text
// that is no number stores MinValue, a number out of range is stored as typed until the
// focus leaves, when it is pulled into the range and stored again. The control belongs to
// its owner component and its window to the parent window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "monitor/controls/control_windows.h"
#include "monitor/controls/spin_button.h"
#include "monitor/forms/component.h"

namespace lw {

class TVexSpinEdit : public Component, public FocusTarget {
  public:
    static constexpr int kButtonWidth = 15;
    static constexpr int kButtonHeight = 17;

    // Makes the edit in `parent` at `bounds`, showing "0". Its height is the minimum for its
    // font while AutoSize is on, and never less than that.
    TVexSpinEdit(Component* owner, ControlSystem& system, WindowHandle parent,
                 const ControlRect& bounds);
    ~TVexSpinEdit() override;

    WindowHandle Handle() const { return window_->Handle(); }
    TSpinButton& Button() { return *button_; }

    std::int32_t MinValue() const { return minValue_; }
    std::int32_t MaxValue() const { return maxValue_; }
    // Changing the range leaves the text as it is.
    void SetMinValue(std::int32_t value) { minValue_ = value; }
    void SetMaxValue(std::int32_t value) { maxValue_ = value; }
    void SetRange(std::int32_t minimum, std::int32_t maximum);
    std::int32_t Increment() const { return increment_; }
    void SetIncrement(std::int32_t increment) { increment_ = increment; }
    // Off: nothing can be typed, deleted, cut or pasted; the buttons still step the value.
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool on) { editorEnabled_ = on; }
    // On: the text cannot be changed at all; the buttons beep.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on);
    // On: entering the control with the keyboard selects its whole text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    // On: the height follows the font, now and whenever the font changes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    // The most characters that can be typed; 0 for no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);

    std::string Text() const { return window_->Text(); }
    void SetText(const std::string& text);
    // The text as a number; MinValue when it is none.
    std::int32_t Value() const;
    // Writes `value`, limited to the range, as the text.
    void SetValue(std::int32_t value);
    std::int32_t LimitValue(std::int32_t value) const;

    bool Enabled() const { return window_->Enabled(); }
    void SetEnabled(bool enabled);
    void SetVisible(bool visible) { window_->SetVisible(visible); }
    ControlRect Bounds() const { return window_->Bounds(); }
    void SetBounds(const ControlRect& bounds) { window_->SetBounds(bounds); }
    int MinHeight() const;

    // Every later change of the text stores Value in `setting`, which must outlive the control.
    void Bind(std::int32_t& setting) { setting_ = &setting; }
    // Raised by every change of the text, by the user or by the program.
    NotifyEvent OnChange;

    bool Focused() const override { return window_->Focused(); }
    bool CanFocus() const override { return window_->CanFocus(); }
    void SetFocus() override { window_->SetFocus(); }

    // Whether a typed character goes into the text.
    virtual bool AcceptsChar(char key) const;
    // One Increment up or down; a beep when read-only.
    virtual void UpClick();
    virtual void DownClick();

    // Reports from the window. KeyPress and KeyDown are false for keys the edit must not see.
    bool KeyPress(char key);
    bool KeyDown(ControlKey key);
    bool CanCutOrPaste() const { return editorEnabled_ && !readOnly_; }
    void Entered(bool byMouse);
    void Left();
    void Resized();
    void FontChanged();
    void TextChanged();

  private:
    void Step(std::int32_t step);
    void ButtonUpClick(Component&) { UpClick(); }
    void ButtonDownClick(Component&) { DownClick(); }

    ControlSystem& system_;
    std::unique_ptr<EditWindow> window_;
    TSpinButton* button_ = nullptr;
    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 0;
    std::int32_t increment_ = 1;
    bool editorEnabled_ = true;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    bool autoSize_ = true;
    int maxLength_ = 0;
    bool ctl3D_ = true;
    std::int32_t* setting_ = nullptr;
};

}  // namespace lw
