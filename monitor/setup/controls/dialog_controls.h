// The settings dialog's controls: buttons, check boxes, radio groups, edits, drop-down
// lists, labels, date and time pickers, colour swatches and the page control. Each is a
// component with a name, owned by the dialog, over one window of DialogWindows.
//
// A change the program makes to what a control shows raises the control's event just as the
// user's change would (a check box's OnClick, a radio group's OnClick, an edit's OnChange);
// setting what it already shows raises nothing. Pickers and the page control raise their
// OnChange only for the user.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "monitor/forms/component.h"
#include "monitor/setup/controls/dialog_windows.h"

namespace lw {

class TControl : public Component, protected ControlEvents {
  public:
    TControl(Component* owner, std::string name);

    const std::string& Name() const { return name_; }
    WindowHandle Handle() const { return window_->Handle(); }
    bool Enabled() const { return window_->Enabled(); }
    void SetEnabled(bool enabled) { window_->SetEnabled(enabled); }
    bool Visible() const { return window_->Visible(); }
    void SetVisible(bool visible) { window_->SetVisible(visible); }
    std::string Caption() const { return window_->Text(); }
    void SetCaption(const std::string& caption) { window_->SetText(caption); }
    void SetBounds(const ControlRect& bounds) { window_->SetBounds(bounds); }
    void Repaint() { window_->Repaint(); }

    // Makes the control's window.
    void Attach(DialogWindows& windows, const ControlSpec& spec, WindowHandle parent);
    ControlEvents& Events() { return *this; }

  protected:
    ControlWindow& Window() const { return *window_; }

  private:
    std::string name_;
    std::unique_ptr<ControlWindow> window_;
};

class TButton : public TControl {
  public:
    using TControl::TControl;
    NotifyEvent OnClick;
    void Click() { OnClick(*this); }

  protected:
    void Clicked() override { Click(); }
};

// Group boxes and labels: a caption and nothing to do.
class TStaticControl : public TControl {
  public:
    using TControl::TControl;
};

class TCheckBox : public TControl {
  public:
    using TControl::TControl;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    NotifyEvent OnClick;

  protected:
    void Clicked() override { SetChecked(!checked_); }

  private:
    bool checked_ = false;
};

// A group box of radio buttons, laid out in columns from the top.
class TRadioGroup : public TControl {
  public:
    using TControl::TControl;
    // Makes the group's items in its window's parent, in `columns` columns; an item is as
    // wide as its column unless `itemWidth` says less.
    void AddItems(DialogWindows& windows, WindowHandle parent, const ControlRect& bounds,
                  const std::vector<std::string>& items, int columns, int itemWidth = 0);
    // -1 while no item is chosen.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    WindowHandle ItemHandle(int index) const { return items_.at(index)->Handle(); }
    NotifyEvent OnClick;

  private:
    class Item : public ControlEvents {
      public:
        Item(TRadioGroup& group, int index) : group_(group), index_(index) {}
        void Clicked() override { group_.SetItemIndex(index_); }
        std::unique_ptr<ControlWindow> window;
        WindowHandle Handle() const { return window->Handle(); }

      private:
        TRadioGroup& group_;
        int index_;
    };
    std::vector<std::unique_ptr<Item>> items_;
    int itemIndex_ = -1;
};

// An edit, or an editable drop-down list with its items.
class TEdit : public TControl {
  public:
    using TControl::TControl;
    std::string Text() const { return Window().Text(); }
    void SetText(const std::string& text);
    NotifyEvent OnChange;

  protected:
    void TextEdited() override { OnChange(*this); }
};

class TComboBox : public TEdit {
  public:
    using TEdit::TEdit;
    const std::vector<std::string>& Items() const { return items_; }
    // Offers `items`, leaving the text as it is.
    void SetItems(std::vector<std::string> items);

  private:
    std::vector<std::string> items_;
};

class TDateTimePicker : public TControl {
  public:
    using TControl::TControl;
    DayCount DateTime() const { return Window().Value(); }
    void SetDateTime(DayCount value) { Window().SetValue(value); }
    NotifyEvent OnChange;

  protected:
    void ValuePicked() override { OnChange(*this); }
};

// A framed field of one colour.
class TColourSwatch : public TControl {
  public:
    using TControl::TControl;
    Colour ShownColour() const { return colour_; }
    // Paints the field anew in `colour`.
    void Show(Colour colour);

  private:
    Colour colour_ = 0;
};

class TTabSheet : public TControl {
  public:
    using TControl::TControl;
};

// The tabs and their pages; the page of the chosen tab is the one shown.
class TPageControl : public TControl {
  public:
    using TControl::TControl;
    // A new page at the end, with its tab.
    TTabSheet& AddPage(DialogWindows& windows, const std::string& name, const std::string& caption);
    // Gives every page the room the tabs leave, once all are there.
    void ArrangePages();
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet& Page(int index) const { return *pages_.at(index); }
    int ActivePageIndex() const { return active_; }
    // Shows the page without raising OnChange.
    void SetActivePageIndex(int index);
    NotifyEvent OnChange;

  protected:
    void TabChosen(int index) override;

  private:
    std::vector<TTabSheet*> pages_;
    int active_ = -1;
};

}  // namespace lw
