// The tray icon's hidden window: hears the shell about the mouse over the icon, runs the
// icon's deferred calls and answers the system's shutdown messages.
#pragma once

#include <cstdint>
#include <memory>

#include "monitor/forms/component.h"
#include "monitor/tray/tray_system.h"

namespace lw {

class TPGTrayIcon95;
class TPGTimerItem;

class TPGTrayIconMsgWindow : public Component, public MessageTarget {
  public:
    static constexpr int kClickInterval = 400;
    static constexpr int kExitCheckInterval = 70;
    // How far (on either axis) the cursor may be from where the shell last saw it while it is
    // still taken to be over the icon.
    static constexpr int kExitSlack = 2;

    // Owned by the icon; makes its window and two items on the icon's timer manager.
    TPGTrayIconMsgWindow(Component* owner, TPGTrayIcon95& icon);
    ~TPGTrayIconMsgWindow() override;

    WindowHandle Handle() const { return window_->Handle(); }
    void Post(unsigned message) { window_->Post(message, 0, 0); }

    std::intptr_t OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

    // Raises OnDblClick when a double click was seen since the last press, else OnClick.
    void DeliverClick();

  private:
    void MouseMessage(unsigned mouseMessage);
    void MouseMoved();
    void ButtonPressed(bool right);
    void ShowPopupMenu();
    void ClickTimer(Component& sender);
    void ExitCheck(Component& sender);
    void DeferredClick(std::intptr_t);

    TPGTrayIcon95& icon_;
    std::unique_ptr<MessageWindow> window_;
    bool doubleClickSeen_ = false;
    TPGTimerItem& clickItem_;
    TPGTimerItem& exitCheckItem_;
    ScreenPoint last_;
    bool mouseInside_ = false;
};

}  // namespace lw
