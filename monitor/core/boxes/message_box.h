// Modal message boxes of the monitor, answered by the user (or by a test).
#pragma once

#include <string>

namespace lw {

inline constexpr const char* kMessageBoxTitle = "LineWink";

// Warning is also the exclamation mark: the two are one icon.
enum class MessageIcon { None, Information, Warning, Error };

// Boxes with a Cancel button also answer Cancel to Esc and the close box; the others can
// only be answered with one of their buttons.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetry };
enum class MessageAnswer { Ok, Cancel, Yes, No, Abort, Retry };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows `text` with the title "LineWink" and waits for the answer, which is always one of
    // `buttons`; the message loop keeps running meanwhile, so timer ticks arrive inside the call.
    virtual MessageAnswer Show(const std::string& text, MessageIcon icon,
                               MessageButtons buttons) = 0;

    MessageAnswer ShowWarning(const std::string& text, MessageButtons buttons) {
        return Show(text, MessageIcon::Warning, buttons);
    }
};

}  // namespace lw
