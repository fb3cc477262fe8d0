// Places controls in one parent window (a form or a page), at places given relative to an
// origin: a group's controls are written from the group's corner.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "monitor/controls/vex_spin_edit.h"
#include "monitor/setup/controls/dialog_controls.h"

namespace lw {

class ControlBuilder {
  public:
    // The controls belong to `owner` and their windows to `parent`.
    ControlBuilder(Component& owner, DialogWindows& windows, WindowHandle parent)
        : owner_(owner), windows_(windows), parent_(parent) {}

    // The same parent, with places counted from (left, top) of this builder's places.
    ControlBuilder Within(int left, int top) const;
    // The controls of a page.
    ControlBuilder On(const TControl& page) const;

    TButton& Button(const std::string& name, const std::string& caption, ControlRect bounds,
                    ControlKind kind = ControlKind::Button, const ControlLook& look = {}) const;
    TCheckBox& CheckBox(const std::string& name, const std::string& caption, ControlRect bounds,
                        const ControlLook& look = {}) const;
    TStaticControl& Label(const std::string& name, const std::string& caption, ControlRect bounds,
                          const ControlLook& look = {}) const;
    // An unnamed label, for texts that say what the control beside them is.
    TStaticControl& Text(const std::string& caption, int left, int top, int width = 0) const;
    TStaticControl& Group(const std::string& name, const std::string& caption,
                          ControlRect bounds) const;
    TEdit& Edit(const std::string& name, ControlRect bounds) const;
    TComboBox& DropDown(const std::string& name, ControlRect bounds) const;
    TRadioGroup& RadioGroup(const std::string& name, const std::string& caption, ControlRect bounds,
                            const std::vector<std::string>& items, int columns = 1,
                            int itemWidth = 0, const ControlLook& look = {}) const;
    TDateTimePicker& Picker(const std::string& name, ControlKind kind, ControlRect bounds) const;
    TColourSwatch& Swatch(const std::string& name, ControlRect bounds) const;
    // A spin edit in [minimum, maximum] that stores every change in `setting`.
    TVexSpinEdit& SpinEdit(ControlRect bounds, std::int32_t minimum, std::int32_t maximum,
                           std::int32_t& setting) const;
    TPageControl& Pages(const std::string& name, ControlRect bounds) const;

    DialogWindows& Windows() const { return windows_; }

  private:
    template <typename T>
    T& Make(const std::string& name, const ControlSpec& spec) const;
    ControlRect Place(ControlRect bounds) const;

    Component& owner_;
    DialogWindows& windows_;
    WindowHandle parent_;
    int left_ = 0;
    int top_ = 0;
};

}  // namespace lw
