// The tray icon's hidden windows: one for its messages, one under its timer.
#pragma once

#include "monitor/tray/tray_system.h"

namespace lw {

class Win32TrayWindows : public TrayWindows {
  public:
    // Messages reach the target once the window is made; until then the system's defaults
    // answer. The target answers everything after that.
    std::unique_ptr<MessageWindow> CreateMessageWindow(MessageTarget& target) override;
    std::unique_ptr<SystemTimer> CreateTimer(Handler<> onTick) override;
};

}  // namespace lw
