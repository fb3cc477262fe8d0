#include "monitor/tray/tray_message_window.h"

#include <cstdlib>

#include "monitor/forms/application.h"
#include "monitor/forms/form.h"
#include "monitor/forms/popup_menu.h"
#include "monitor/tray/timer_manager.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/tray/tray_messages.h"

namespace lw {

namespace msg = tray_messages;

TPGTrayIconMsgWindow::TPGTrayIconMsgWindow(Component* owner, TPGTrayIcon95& icon)
    : Component(owner),
      icon_(icon),
      window_(icon.Services().windows.CreateMessageWindow(*this)),
      clickItem_(icon.Timers().AddItem(false, kClickInterval,
                                       NotifyEvent::Of<&TPGTrayIconMsgWindow::ClickTimer>(*this))),
      exitCheckItem_(icon.Timers().AddItem(
          false, kExitCheckInterval, NotifyEvent::Of<&TPGTrayIconMsgWindow::ExitCheck>(*this))) {}

TPGTrayIconMsgWindow::~TPGTrayIconMsgWindow() = default;

std::intptr_t TPGTrayIconMsgWindow::OnMessage(unsigned message, std::uintptr_t wParam,
                                              std::intptr_t lParam) {
    switch (message) {
        case msg::kQueryEndSession:
            return 1;
        case msg::kEndSession:
            if (wParam != 0) {
                icon_.SetActive(false);
            }
            return 0;
        case msg::kCallback:
            MouseMessage(static_cast<unsigned>(lParam));
            return 0;
        case msg::kDeferredCall:
            icon_.RunDeferredCall();
            return 0;
    }
    return 0;
}

void TPGTrayIconMsgWindow::MouseMessage(unsigned mouseMessage) {
    switch (mouseMessage) {
        case msg::kMouseMove:
            MouseMoved();
            break;
        case msg::kLeftButtonDown:
        case msg::kMiddleButtonDown:
            ButtonPressed(false);
            break;
        case msg::kRightButtonDown:
            ButtonPressed(true);
            break;
        case msg::kLeftButtonDoubleClick:
        case msg::kRightButtonDoubleClick:
        case msg::kMiddleButtonDoubleClick:
            doubleClickSeen_ = true;
            DeliverClick();
            break;
        default:
            break;
    }
}

void TPGTrayIconMsgWindow::MouseMoved() {
    const PointerState& pointer = icon_.Services().pointer;
    last_ = pointer.CursorPos();
    if (!icon_.OnMouseEnter && !icon_.OnMouseExit) {
        mouseInside_ = true;
    } else if (!mouseInside_) {
        mouseInside_ = true;
        exitCheckItem_.SetEnabled(true);
        icon_.OnMouseEnter(icon_, pointer.Shift(), last_.x, last_.y);
        return;
    }
    if (icon_.OnMouseMove && !clickItem_.Enabled() && mouseInside_) {
        icon_.OnMouseMove(icon_, pointer.Shift(), last_.x, last_.y);
    }
}

void TPGTrayIconMsgWindow::ButtonPressed(bool right) {
    if (right && icon_.AutoPopup() && icon_.PopupMenu() != nullptr) {
        ShowPopupMenu();
        return;
    }
    doubleClickSeen_ = false;
    if (icon_.OnDblClick) {
        clickItem_.SetEnabled(true);
    } else {
        icon_.PostDeferredCall(DeferredProcedure::Of<&TPGTrayIconMsgWindow::DeferredClick>(*this),
                               0);
    }
}

// Outside a shown program the desktop takes the foreground back, so that the menu closes
// when the user clicks elsewhere.
void TPGTrayIconMsgWindow::ShowPopupMenu() {
    Application& app = icon_.App();
    app.Window().BringToForeground();
    app.ProcessMessages();
    if (lw::PopupMenu* menu = icon_.PopupMenu()) {
        menu->Popup(last_.x, last_.y);
    }
    app.Window().Post(msg::kUser);
    bool someFormVisible = false;
    for (const Form* form : app.Forms()) {
        someFormVisible = someFormVisible || form->Visible();
    }
    if (!(!app.Window().IsVisible() && !app.Window().IsMinimized() && someFormVisible)) {
        icon_.Services().desktop.ForegroundDesktop();
    }
}

void TPGTrayIconMsgWindow::DeliverClick() {
    clickItem_.SetEnabled(false);
    if (doubleClickSeen_) {
        icon_.OnDblClick(icon_);
    } else {
        icon_.OnClick(icon_);
    }
}

void TPGTrayIconMsgWindow::ClickTimer(Component&) {
    DeliverClick();
}

void TPGTrayIconMsgWindow::DeferredClick(std::intptr_t) {
    DeliverClick();
}

void TPGTrayIconMsgWindow::ExitCheck(Component&) {
    try {
        const PointerState& pointer = icon_.Services().pointer;
        const ScreenPoint now = pointer.CursorPos();
        if (std::abs(now.x - last_.x) > kExitSlack || std::abs(now.y - last_.y) > kExitSlack) {
            mouseInside_ = false;
            icon_.OnMouseExit(icon_, pointer.Shift(), last_.x, last_.y);
            exitCheckItem_.SetEnabled(false);
        }
    } catch (...) {
    }
}

}  // namespace lw
