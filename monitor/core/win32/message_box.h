#pragma once

#include <windows.h>

#include "monitor/core/message_box.h"

namespace lw {

// Boxes owned by the main window, so that it stays disabled while one is open.
class Win32MessageBoxes : public MessageBoxes {
  public:
    explicit Win32MessageBoxes(HWND owner) : owner_(owner) {}
    MessageAnswer ShowWarning(const std::string& text, MessageButtons buttons) override;

  private:
    HWND owner_;
};

}  // namespace lw
