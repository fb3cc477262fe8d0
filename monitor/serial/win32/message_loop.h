#pragma once

#include "monitor/serial/wait_services.h"

namespace lw {

// The thread's own message loop, run from inside a wait.
class Win32MessageLoop : public MessageLoop {
  public:
    // A quit request taken from the queue is posted again for the program's main loop.
    bool ProcessPendingMessages() override;
    // Wakes early for any input, timers and posted messages included.
    void Pause(std::uint32_t milliseconds) override;
};

}  // namespace lw
