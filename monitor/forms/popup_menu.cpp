#include "monitor/forms/popup_menu.h"

#include "monitor/forms/application.h"

namespace lw {

MenuItem::MenuItem(Component* owner, unsigned command, std::string caption)
    : Component(owner), Caption(std::move(caption)), command_(command) {}

PopupMenu::PopupMenu(Component* owner, Application& application)
    : Component(owner), application_(application) {
    application_.AddMenu(*this);
}

PopupMenu::~PopupMenu() {
    application_.RemoveMenu(*this);
    DestroyComponents();
}

MenuItem& PopupMenu::Add(std::string caption, NotifyEvent onClick) {
    MenuItem& item =
        Component::Create<MenuItem>(*this, application_.NewMenuCommand(), std::move(caption));
    item.OnClick = onClick;
    return item;
}

std::vector<MenuItem*> PopupMenu::Items() const {
    std::vector<MenuItem*> items;
    for (Component* c : Components()) {
        if (auto* item = dynamic_cast<MenuItem*>(c)) {
            items.push_back(item);
        }
    }
    return items;
}

void PopupMenu::Popup(int x, int y) {
    OnPopup(*this);
    application_.System().TrackPopupMenu(*this, x, y);
}

bool PopupMenu::Click(unsigned command) {
    for (MenuItem* item : Items()) {
        if (item->Command() == command) {
            if (item->Enabled && !item->IsSeparator()) {
                item->OnClick(*item);
            }
            return true;
        }
    }
    return false;
}

}  // namespace lw
