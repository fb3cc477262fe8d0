#include "monitor/setup/controls/dialog_controls.h"

#include <algorithm>

namespace lw {
namespace {

// Room inside a group box: below its caption, and at its edges.
constexpr int kGroupTop = 16;
constexpr int kGroupMargin = 8;
constexpr int kGroupBottom = 4;
constexpr int kItemHeight = 17;

}  // namespace

TControl::TControl(Component* owner, std::string name) : Component(owner), name_(std::move(name)) {}

void TControl::Attach(DialogWindows& windows, const ControlSpec& spec, WindowHandle parent) {
    window_ = windows.Create(spec, parent, *this);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    Window().SetChecked(checked);
    OnClick(*this);
}

void TRadioGroup::AddItems(DialogWindows& windows, WindowHandle parent, const ControlRect& bounds,
                           const std::vector<std::string>& items, int columns, int itemWidth) {
    columns = std::max(columns, 1);
    const int count = static_cast<int>(items.size());
    const int rows = std::max((count + columns - 1) / columns, 1);
    const int width = (bounds.Width() - 2 * kGroupMargin) / columns;
    itemWidth = itemWidth > 0 ? std::min(itemWidth, width - 2) : width - 2;
    const int rowStep = std::max(kItemHeight, (bounds.Height() - kGroupTop - kGroupBottom) / rows);
    for (int i = 0; i < count; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        const ControlRect place =
            ControlRect::Sized(bounds.left + kGroupMargin + column * width,
                               bounds.top + kGroupTop + row * rowStep, itemWidth, kItemHeight);
        auto item = std::make_unique<Item>(*this, i);
        item->window =
            windows.Create({ControlKind::RadioButton, items[i], place, {}}, parent, *item);
        items_.push_back(std::move(item));
    }
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= Count() || index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    for (int i = 0; i < Count(); ++i) {
        items_[i]->window->SetChecked(i == index);
    }
    OnClick(*this);
}

void TEdit::SetText(const std::string& text) {
    if (text == Text()) {
        return;
    }
    Window().SetText(text);
    OnChange(*this);
}

void TComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    Window().SetItems(items_);
}

void TColourSwatch::Show(Colour colour) {
    colour_ = colour;
    Window().SetColour(colour);
    Window().Repaint();
}

TTabSheet& TPageControl::AddPage(DialogWindows& windows, const std::string& name,
                                 const std::string& caption) {
    Window().AddTab(caption);
    TTabSheet& page = Component::Create<TTabSheet>(*this, name);
    page.Attach(windows, {ControlKind::Page, caption, Window().PageBounds(), {}}, Handle());
    page.SetVisible(false);
    pages_.push_back(&page);
    return page;
}

void TPageControl::ArrangePages() {
    for (TTabSheet* page : pages_) {
        page->SetBounds(Window().PageBounds());
    }
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) {
        return;
    }
    active_ = index;
    Window().SelectTab(index);
    for (int i = 0; i < PageCount(); ++i) {
        pages_[i]->SetVisible(i == index);
    }
}

void TPageControl::TabChosen(int index) {
    if (index == active_) {
        return;
    }
    SetActivePageIndex(index);
    OnChange(*this);
}

}  // namespace lw
