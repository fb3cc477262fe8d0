#include "monitor/setup/controls/control_builder.h"

namespace lw {
namespace {

constexpr int kLabelHeight = 15;
// A label given no width is as wide as its text is likely to need.
constexpr int kAverageCharWidth = 6;

}  // namespace

ControlBuilder ControlBuilder::Within(int left, int top) const {
    ControlBuilder inner = *this;
    inner.left_ += left;
    inner.top_ += top;
    return inner;
}

ControlBuilder ControlBuilder::On(const TControl& page) const {
    return ControlBuilder(owner_, windows_, page.Handle());
}

ControlRect ControlBuilder::Place(ControlRect bounds) const {
    return {bounds.left + left_, bounds.top + top_, bounds.right + left_, bounds.bottom + top_};
}

template <typename T>
T& ControlBuilder::Make(const std::string& name, const ControlSpec& spec) const {
    T& control = Component::Create<T>(owner_, name);
    ControlSpec placed = spec;
    placed.bounds = Place(spec.bounds);
    control.Attach(windows_, placed, parent_);
    return control;
}

TButton& ControlBuilder::Button(const std::string& name, const std::string& caption,
                                ControlRect bounds, ControlKind kind,
                                const ControlLook& look) const {
    return Make<TButton>(name, {kind, caption, bounds, look});
}

TCheckBox& ControlBuilder::CheckBox(const std::string& name, const std::string& caption,
                                    ControlRect bounds, const ControlLook& look) const {
    return Make<TCheckBox>(name, {ControlKind::CheckBox, caption, bounds, look});
}

TStaticControl& ControlBuilder::Label(const std::string& name, const std::string& caption,
                                      ControlRect bounds, const ControlLook& look) const {
    return Make<TStaticControl>(name, {ControlKind::Label, caption, bounds, look});
}

TStaticControl& ControlBuilder::Text(const std::string& caption, int left, int top,
                                     int width) const {
    if (width <= 0) {
        width = static_cast<int>(caption.size()) * kAverageCharWidth + 4;
    }
    return Label("", caption, ControlRect::Sized(left, top, width, kLabelHeight));
}

TStaticControl& ControlBuilder::Group(const std::string& name, const std::string& caption,
                                      ControlRect bounds) const {
    return Make<TStaticControl>(name, {ControlKind::GroupBox, caption, bounds, {}});
}

TEdit& ControlBuilder::Edit(const std::string& name, ControlRect bounds) const {
    return Make<TEdit>(name, {ControlKind::Edit, "", bounds, {}});
}

TComboBox& ControlBuilder::DropDown(const std::string& name, ControlRect bounds) const {
    return Make<TComboBox>(name, {ControlKind::DropDown, "", bounds, {}});
}

TRadioGroup& ControlBuilder::RadioGroup(const std::string& name, const std::string& caption,
                                        ControlRect bounds, const std::vector<std::string>& items,
                                        int columns, int itemWidth, const ControlLook& look) const {
    TRadioGroup& group = Make<TRadioGroup>(name, {ControlKind::GroupBox, caption, bounds, look});
    group.AddItems(windows_, parent_, Place(bounds), items, columns, itemWidth);
    return group;
}

TDateTimePicker& ControlBuilder::Picker(const std::string& name, ControlKind kind,
                                        ControlRect bounds) const {
    return Make<TDateTimePicker>(name, {kind, "", bounds, {}});
}

TColourSwatch& ControlBuilder::Swatch(const std::string& name, ControlRect bounds) const {
    return Make<TColourSwatch>(name, {ControlKind::Swatch, "", bounds, {}});
}

TVexSpinEdit& ControlBuilder::SpinEdit(ControlRect bounds, std::int32_t minimum,
                                       std::int32_t maximum, std::int32_t& setting) const {
    TVexSpinEdit& edit = windows_.CreateSpinEdit(owner_, parent_, Place(bounds));
    edit.SetRange(minimum, maximum);
    edit.Bind(setting);
    return edit;
}

TPageControl& ControlBuilder::Pages(const std::string& name, ControlRect bounds) const {
    return Make<TPageControl>(name, {ControlKind::Tabs, "", bounds, {}});
}

}  // namespace lw
