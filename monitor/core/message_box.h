// Modal message boxes of the monitor, answered by the user (or by a test).
#pragma once

#include <string>

namespace lw {

inline constexpr const char* kMessageBoxTitle = "LineWink";

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows `text` with the warning icon and the title "LineWink" and waits for the answer;
    // the message loop keeps running meanwhile, so timer ticks arrive inside the call.
    virtual MessageAnswer ShowWarning(const std::string& text, MessageButtons buttons) = 0;
};

}  // namespace lw
