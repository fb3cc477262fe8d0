// The response timer and the message loop that a receive runs while it waits.
#pragma once

#include <cstdint>
#include <functional>

namespace lw {

// A timer driven by window messages: it can only fire while the message loop runs.
class ResponseTimer {
  public:
    virtual ~ResponseTimer() = default;
    virtual void SetTickHandler(std::function<void()> onTick) = 0;
    virtual std::uint32_t Interval() const = 0;
    virtual void SetInterval(std::uint32_t milliseconds) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

class MessageLoop {
  public:
    virtual ~MessageLoop() = default;
    // Handles every message waiting for this thread. False when the program has been asked
    // to quit, which the caller should take as the end of its wait.
    virtual bool ProcessPendingMessages() = 0;
    // Sleeps until a message arrives or `milliseconds` have passed.
    virtual void Pause(std::uint32_t milliseconds) = 0;
};

}  // namespace lw
