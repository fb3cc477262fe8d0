// The monitor's message boxes, marking the main window's "modal box open" flag while one is
// up so that the drawing leaves the window's state alone.
#pragma once

#include "monitor/core/message_box.h"

namespace lw {

class ModalBoxes : public MessageBoxes {
  public:
    ModalBoxes(MessageBoxes& boxes, bool& modalOpen) : boxes_(boxes), modalOpen_(modalOpen) {}

    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

  private:
    MessageBoxes& boxes_;
    bool& modalOpen_;
};

// Sets a flag for the time of a scope and puts back what it was, also when a box of an
// earlier tick is still open underneath.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool saved_;
};

}  // namespace lw
