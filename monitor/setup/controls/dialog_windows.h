// What the dialog's controls need from the window system: one window per control, made in a
// parent window (a form, a page) at a place in pixels. The Win32 side is in ../win32/; tests
// keep the windows in memory.
//
// A window reports what the user did to it through ControlEvents; a change made by the
// program (SetText, SetChecked, SetValue) is never reported back, so that each control
// decides itself which of its changes raise its event.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "monitor/controls/control_windows.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/time/day_count.h"
#include "monitor/forms/component.h"
#include "monitor/forms/system_window.h"

namespace lw {

class TVexSpinEdit;

enum class ControlKind {
    Button,
    DefaultButton,  // pressed by Enter
    CancelButton,   // pressed by Esc
    CheckBox,
    RadioButton,
    GroupBox,
    Label,
    Edit,
    DropDown,  // an editable drop-down list
    DatePicker,
    TimePicker,
    Swatch,  // a framed field of one colour
    Tabs,    // the tabs of a page control, in as many rows as they need
    Page,    // a plain window that holds controls
};

// How a control looks beyond its kind.
struct ControlLook {
    bool bold = false;
    int fontHeight = 0;     // pixels; 0 for the dialog's font
    Colour textColour = 0;  // used when `coloured`
    bool coloured = false;
    bool centred = false;  // labels: centred and word-wrapped
    std::string hint;      // shown when the mouse rests on the control

    static ControlLook WithHint(std::string text) {
        ControlLook look;
        look.hint = std::move(text);
        return look;
    }
    // Bold text in `colour`, in the dialog's font or one `height` pixels high.
    static ControlLook Bold(Colour colour, int height = 0) {
        ControlLook look;
        look.bold = true;
        look.fontHeight = height;
        look.textColour = colour;
        look.coloured = true;
        return look;
    }
};

struct ControlSpec {
    ControlKind kind = ControlKind::Label;
    std::string caption;
    ControlRect bounds;
    ControlLook look;
};

// What a window tells its control.
class ControlEvents {
  public:
    virtual ~ControlEvents() = default;
    // A button was pressed, a box or radio button clicked.
    virtual void Clicked() {}
    // The user changed the text of an edit or drop-down list (typing or picking an item).
    virtual void TextEdited() {}
    // The user changed a picker's date or time.
    virtual void ValuePicked() {}
    // The user chose tab `index`.
    virtual void TabChosen(int) {}
};

class ControlWindow {
  public:
    virtual ~ControlWindow() = default;
    virtual WindowHandle Handle() const = 0;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetBounds(const ControlRect& bounds) = 0;
    virtual void Repaint() = 0;

    // Check boxes and radio buttons.
    virtual bool Checked() const { return false; }
    virtual void SetChecked(bool) {}
    // Drop-down lists: the items offered; the text stays as it is.
    virtual void SetItems(const std::vector<std::string>&) {}
    // Pickers: the date and time shown.
    virtual DayCount Value() const { return 0; }
    virtual void SetValue(DayCount) {}
    // Swatches.
    virtual void SetColour(Colour) {}
    // Tabs: one more tab; the tab shown; where the pages go, inside the tabs' window.
    virtual void AddTab(const std::string&) {}
    virtual void SelectTab(int) {}
    virtual ControlRect PageBounds() const { return {}; }
};

class DialogWindows {
  public:
    virtual ~DialogWindows() = default;
    virtual std::unique_ptr<ControlWindow> Create(const ControlSpec& spec, WindowHandle parent,
                                                  ControlEvents& events) = 0;
    // A spin edit of the small controls, freed by `owner`.
    virtual TVexSpinEdit& CreateSpinEdit(Component& owner, WindowHandle parent,
                                         const ControlRect& bounds) = 0;
};

}  // namespace lw
