#pragma once

#include <windows.h>

#include "monitor/core/boxes/message_box.h"

namespace lw {

// Boxes owned by the main window, so that it stays disabled while one is open. The system
// offers Abort only together with Retry and Ignore: such a box is shown with its Ignore button
// taken away before it appears.
class Win32MessageBoxes : public MessageBoxes {
  public:
    explicit Win32MessageBoxes(HWND owner) : owner_(owner) {}
    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

  private:
    HWND owner_;
};

}  // namespace lw
