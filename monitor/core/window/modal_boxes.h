// The monitor's message boxes, marking the main window's "modal box open" flag while one is
// up so that the drawing leaves the window's state alone.
#pragma once

#include "monitor/core/boxes/message_box.h"

namespace lw {

class ModalBoxes : public MessageBoxes {
  public:
    ModalBoxes(MessageBoxes& boxes, bool& modalOpen) : boxes_(boxes), modalOpen_(modalOpen) {}

    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

  private:
    MessageBoxes& boxes_;
    bool& modalOpen_;
};

}  // namespace lw
