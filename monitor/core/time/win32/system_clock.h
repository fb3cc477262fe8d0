#pragma once

#include "monitor/core/time/clock.h"

namespace lw {

// The system's local time and tick count.
class SystemClock : public Clock {
  public:
    DayCount Now() const override;
    std::uint32_t TickCount() const override;
};

}  // namespace lw
