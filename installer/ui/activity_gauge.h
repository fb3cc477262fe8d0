// The activity gauge's levels: standing still while idle, flickering between 70 and 100
// percent while work goes on, at most every 200 ms.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace aw {

struct GaugeLevels {
    int First = 0;
    int Second = 0;
    bool operator==(const GaugeLevels&) const = default;
};

inline constexpr GaugeLevels kIdleGaugeLevels{77, 90};
inline constexpr std::uint32_t kGaugePulseInterval = 200;

class ActivityGaugeLevels {
  public:
    // Opening the gauge at the tick count `now` (milliseconds): the random levels start
    // from its low 16 bits.
    void Open(std::uint32_t now);

    // One activity step at `now`: new levels, or none when the last ones are younger than
    // 200 ms. The tick count may wrap between two steps.
    std::optional<GaugeLevels> Pulse(std::uint32_t now);

  private:
    int RandomLevel();

    std::minstd_rand random_;
    std::optional<std::uint32_t> lastActive_;
};

}  // namespace aw
