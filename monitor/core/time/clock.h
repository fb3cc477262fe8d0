#pragma once

#include <cstdint>

#include "monitor/core/time/day_count.h"

namespace lw {

// The time as the monitor sees it, injected so that tests can run on a virtual clock.
class Clock {
  public:
    virtual ~Clock() = default;
    // The local date and time.
    virtual DayCount Now() const = 0;
    // Milliseconds since the system started; wraps around after about 49.7 days.
    virtual std::uint32_t TickCount() const = 0;
};

}  // namespace lw
