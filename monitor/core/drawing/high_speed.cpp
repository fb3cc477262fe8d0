#include "monitor/core/drawing/high_speed.h"

#include <cmath>

namespace lw {
namespace {

constexpr std::int64_t kHighSpeedAbove = 9600;

}  // namespace

std::uint32_t EffectiveBaudRate(std::uint32_t baud) {
    if (baud == 0) {
        return 0;
    }
    const std::uint32_t divisor = 115200 / baud;
    if (divisor == 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::lround(115200.0 / divisor));
}

bool HighSpeedLampLit(const MonitorSettings& settings, const SamplingState& sampling) {
    if (settings.DefaultPort <= 0) {
        return false;
    }
    const std::int32_t connectSpeed = sampling.Current.ConnectSpeed;
    if (connectSpeed != 0) {
        return connectSpeed > kHighSpeedAbove;
    }
    return EffectiveBaudRate(sampling.Port.BaudRate) > kHighSpeedAbove;
}

}  // namespace lw
