#pragma once

#include "monitor/core/tracking/connection_log_file.h"

namespace lw {

// The user's short date and long time formats, as the system formats them.
class SystemDateTimeFormat : public DateTimeFormat {
  public:
    std::string ShortDate(int year, int month, int day) const override;
    std::string LongTime(int hour, int minute, int second) const override;
};

}  // namespace lw
