// Lets the window messages waiting for this thread run, without waiting for more.
#pragma once

#include <cstdint>

namespace aw {

void RunPendingMessages();

// For long work that offers to run messages very often (the copy offers every 2048 bytes):
// asking the queue is a trip into the system (under Wine, to its server), so the messages run
// only once a few milliseconds have passed since they last did. The user sees no difference;
// the work is spared thousands of such trips per second.
class MessagePacer {
  public:
    static constexpr std::uint32_t kIntervalMs = 10;
    // True, and the time taken as the last turn, once the interval has passed since the last.
    bool Due();
    // Runs the messages when due.
    void Turn();

  private:
    std::uint32_t last_ = 0;
};

}  // namespace aw
