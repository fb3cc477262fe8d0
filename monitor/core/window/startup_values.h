// Values the main window works out once at start-up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "monitor/core/time/day_count.h"

namespace lw {

// The tick timer's interval in milliseconds for "Timer Interval" samples a second, rounded
// (18 gives 56); 0, no ticks, for a setting below 1.
unsigned TickIntervalMs(std::int32_t timesPerSecond);

// "Update Lamps &Now!" stands in the system menu whenever there are no periodic ticks.
bool WantsManualUpdate(std::int32_t timesPerSecond);

// The help file beside the program: its file name replaced by "linewink.hlp".
std::string HelpFilePath(const std::string& programPath);

// The start-up sound: the program's path with the extension ".wav".
std::string StartupSoundPath(const std::string& programPath);

// The dial-up program's generation from the date of "RNAAPP.EXE": 0 without the file, 1 when
// it is dated after 1 September 1995, 2 when not.
int DialerVersionOf(std::optional<DayCount> fileDate);

// The "lights" replacement is installed when "LIGHTS.EXE" has exactly its size.
bool IsLightsReplacement(std::optional<std::uint64_t> fileSize);

}  // namespace lw
