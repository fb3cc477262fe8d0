#pragma once

#include <string>

#include "monitor/core/time/day_count.h"

namespace lw {

// "h:mm:ss" for a duration under a day; from one day on, the whole hours count past 23
// ("26:30:00" for 1 day 2.5 hours). A negative duration is shown with a leading "-".
std::string FormatDuration(DayCount duration);

}  // namespace lw
