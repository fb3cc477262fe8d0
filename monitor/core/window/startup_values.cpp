#include "monitor/core/window/startup_values.h"

#include <algorithm>
#include <cmath>

namespace lw {
namespace {

constexpr std::uint64_t kLightsReplacementSize = 21'248;

std::size_t FileNameStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

unsigned TickIntervalMs(std::int32_t timesPerSecond) {
    if (timesPerSecond < 1) {
        return 0;
    }
    // Halves go to the even neighbour (16 gives 62). Very high rates still tick, at the
    // shortest interval there is.
    return std::max(1u, static_cast<unsigned>(std::nearbyint(1000.0 / timesPerSecond)));
}

bool WantsManualUpdate(std::int32_t timesPerSecond) {
    return TickIntervalMs(timesPerSecond) == 0;
}

std::string HelpFilePath(const std::string& programPath) {
    return programPath.substr(0, FileNameStart(programPath)) + "linewink.hlp";
}

std::string StartupSoundPath(const std::string& programPath) {
    const std::size_t nameStart = FileNameStart(programPath);
    const std::size_t dot = programPath.rfind('.');
    const std::size_t end = dot == std::string::npos || dot < nameStart ? programPath.size() : dot;
    return programPath.substr(0, end) + ".wav";
}

int DialerVersionOf(std::optional<DayCount> fileDate) {
    if (!fileDate) {
        return 0;
    }
    return *fileDate > EncodeDate({1995, 9, 1}) ? 1 : 2;
}

bool IsLightsReplacement(std::optional<std::uint64_t> fileSize) {
    return fileSize == kLightsReplacementSize;
}

}  // namespace lw
