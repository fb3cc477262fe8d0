#include "monitor/core/time/duration_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace lw {

std::string FormatDuration(DayCount duration) {
    if (!std::isfinite(duration)) {
        duration = 0;
    }
    // Whole seconds, counted from the duration rounded to the millisecond, so that a value a
    // hair below a full minute does not show as 0:00:60.
    const double ms = std::round(std::fabs(duration) * kMsPerDay);
    const auto seconds = static_cast<std::int64_t>(std::fmin(ms, 9.0e15) / 1000);
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld:%02d:%02d", duration < 0 && seconds > 0 ? "-" : "",
                  static_cast<long long>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                  static_cast<int>(seconds % 60));
    return text;
}

}  // namespace lw
