#include "installer/ui/activity_gauge.h"

namespace aw {

void ActivityGaugeLevels::Open(std::uint32_t now) {
    random_.seed(now & 0xFFFF);
    lastActive_.reset();
}

std::optional<GaugeLevels> ActivityGaugeLevels::Pulse(std::uint32_t now) {
    if (lastActive_ && now - *lastActive_ < kGaugePulseInterval) {
        return std::nullopt;
    }
    lastActive_ = now;
    const int first = RandomLevel();
    return GaugeLevels{first, RandomLevel()};
}

int ActivityGaugeLevels::RandomLevel() {
    return 70 + static_cast<int>(random_() % 31);
}

}  // namespace aw
