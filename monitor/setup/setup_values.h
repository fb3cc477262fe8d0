// How the settings dialog's choices stand for setting values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "monitor/core/time/day_count.h"

namespace lw {

// Groups whose items mean 1, 2 and 0, in that order: "OnTop" (always, auto, normal),
// "Title" (on, auto sense, off) and the sounds (wave file, beep, none).
inline constexpr std::array<std::int32_t, 3> kOneTwoZero{1, 2, 0};

std::int32_t OneTwoZeroValue(int item);
// The item that stands for `value`; nothing for a value no item means.
std::optional<int> OneTwoZeroItem(std::int32_t value);

// "Show Connect Time" (panel or title bar): session time, total time or no time, stored as
// two flags.
struct ConnectTimeFlags {
    std::int32_t session = 0;
    std::int32_t total = 0;
    friend bool operator==(const ConnectTimeFlags&, const ConnectTimeFlags&) = default;
};
ConnectTimeFlags ConnectTimeOfItem(int item);
int ConnectTimeItem(const ConnectTimeFlags& flags);

// A click on a panel layout: the layout number (negative while minimised) and whether the
// window width must be worked out anew.
struct LayoutChoice {
    std::int32_t orientation = 0;
    bool resetWidth = false;
};
LayoutChoice ChooseLayout(std::int32_t stored, int item);
// The item of a stored layout; nothing when it names none of the five.
std::optional<int> LayoutItem(std::int32_t stored);

// The title-bar layouts are numbered 3 to 6.
inline constexpr std::int32_t kFirstTitleLayout = 3;

// A date picked keeps the old time of day; a time picked keeps the old date.
DayCount WithDate(DayCount old, DayCount picked);
DayCount WithTime(DayCount old, DayCount picked);

}  // namespace lw
