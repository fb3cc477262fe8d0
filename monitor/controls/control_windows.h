// What the small controls need from the window system: their windows, a few system facts,
// glyph images and repeat timers. The Win32 side is in win32/; tests use fakes.
//
// A control's window reports what happens to it (keys, mouse, focus, size, text) by calling
// the control's own methods marked "reports from the window"; the control answers through
// the interfaces below.
#pragma once

#include <memory>
#include <string>

#include "monitor/forms/handler.h"
#include "monitor/forms/system_window.h"

namespace lw {

class TSpinButton;
class TVexSpinEdit;

// A rectangle in pixels; right and bottom lie just outside it.
struct ControlRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static ControlRect Sized(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const ControlRect&) const = default;
};

// The keys the controls act on; every other key is Other.
enum class ControlKey { Up, Down, Space, Other };

// A bitmap drawn on a button; one image or several of the same size side by side.
class GlyphImage {
  public:
    virtual ~GlyphImage() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A timer that ticks through the message loop until stopped.
class RepeatTimer {
  public:
    virtual ~RepeatTimer() = default;
    // Starts it again with the new interval.
    virtual void Start(unsigned milliseconds) = 0;
    virtual void Stop() = 0;
};

// Something that can take the keyboard focus.
class FocusTarget {
  public:
    virtual ~FocusTarget() = default;
    virtual bool Focused() const = 0;
    // Enabled and shown, so that it would take the focus.
    virtual bool CanFocus() const = 0;
    virtual void SetFocus() = 0;
};

// The single-line text window of a spin edit.
class EditWindow : public FocusTarget {
  public:
    virtual WindowHandle Handle() const = 0;
    virtual std::string Text() const = 0;
    // Every change of the text, by the user or by this call, is reported to the control.
    virtual void SetText(const std::string& text) = 0;
    virtual void SelectAll() = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // At most `length` characters may be typed; 0 for no limit.
    virtual void SetMaxLength(int length) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetVisible(bool visible) = 0;
    // A sunken three-dimensional border around the text.
    virtual void SetThreeDimensional(bool on) = 0;
    // The place in the parent window, border included.
    virtual ControlRect Bounds() const = 0;
    virtual void SetBounds(const ControlRect& bounds) = 0;
    // The size inside the border.
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // Text is shown and edited only inside `rect`, in client coordinates.
    virtual void SetTextRect(const ControlRect& rect) = 0;
    // The height of the window's font in pixels.
    virtual int FontHeight() const = 0;
};

// The window of a spin button: it draws both halves and takes the mouse for them.
class SpinButtonWindow : public FocusTarget {
  public:
    virtual WindowHandle Handle() const = 0;
    // The place in the parent window.
    virtual void SetBounds(const ControlRect& bounds) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    // Draws the halves again.
    virtual void Repaint() = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual bool HasMouseCapture() const = 0;
    // A timer of this window, told apart from the window's other timers by `id`.
    virtual std::unique_ptr<RepeatTimer> CreateTimer(unsigned id, Handler<> onTick) = 0;
};

class ControlSystem {
  public:
    virtual ~ControlSystem() = default;
    // The short warning sound of a refused key.
    virtual void Beep() = 0;
    // The decimal separator of the user's number format.
    virtual char DecimalSeparator() const = 0;
    // The heights of the system font and of a thin window border, in pixels.
    virtual int SystemFontHeight() const = 0;
    virtual int BorderHeight() const = 0;
    // The program's bitmap resource `name`; null when there is none.
    virtual std::shared_ptr<const GlyphImage> LoadGlyph(const std::string& name) = 0;
    // A new window in `parent` whose reports go to `control`.
    virtual std::unique_ptr<EditWindow> CreateEditWindow(TVexSpinEdit& control, WindowHandle parent,
                                                         const ControlRect& bounds) = 0;
    virtual std::unique_ptr<SpinButtonWindow> CreateSpinButtonWindow(TSpinButton& control,
                                                                     WindowHandle parent,
                                                                     const ControlRect& bounds) = 0;
};

}  // namespace lw
