// Popup menus: a list of items with captions and click handlers, shown at a screen point.
#pragma once

#include <string>
#include <vector>

#include "monitor/forms/component.h"

namespace lw {

class Application;

class MenuItem : public Component {
  public:
    MenuItem(Component* owner, unsigned command, std::string caption);

    // "-" makes a separator; "&" marks the underlined letter.
    std::string Caption;
    bool Enabled = true;
    // The item shown in bold, chosen by a double click on the menu's owner.
    bool Default = false;
    NotifyEvent OnClick;

    bool IsSeparator() const { return Caption == "-"; }
    // The number the window system reports when the item is chosen.
    unsigned Command() const { return command_; }

  private:
    unsigned command_;
};

class PopupMenu : public Component {
  public:
    PopupMenu(Component* owner, Application& application);
    ~PopupMenu() override;

    // Appends an item (owned by the menu).
    MenuItem& Add(std::string caption, NotifyEvent onClick = {});
    std::vector<MenuItem*> Items() const;

    // Raised before the menu shows, to enable and check its items.
    NotifyEvent OnPopup;

    // Raises OnPopup and shows the menu at the screen point (x, y); returns when the menu has
    // closed. A chosen item's OnClick runs later, from the message loop.
    void Popup(int x, int y);
    // Clicks the enabled item with `command`; false when no item of this menu has it.
    bool Click(unsigned command);

  private:
    Application& application_;
};

}  // namespace lw
