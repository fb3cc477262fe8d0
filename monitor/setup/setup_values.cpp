#include "monitor/setup/setup_values.h"

#include <cmath>
#include <cstdlib>

namespace lw {
namespace {

constexpr int kLayouts = 5;

// A day count's date and time of day; before 30 December 1899 the time still counts forward
// from midnight, so both parts carry the sign of the date.
DayCount DatePart(DayCount value) {
    return std::trunc(value);
}

DayCount TimePart(DayCount value) {
    return std::fabs(value - std::trunc(value));
}

DayCount Combine(DayCount date, DayCount time) {
    return date < 0 ? date - time : date + time;
}

}  // namespace

std::int32_t OneTwoZeroValue(int item) {
    return item >= 0 && item < static_cast<int>(kOneTwoZero.size()) ? kOneTwoZero[item] : 0;
}

std::optional<int> OneTwoZeroItem(std::int32_t value) {
    for (std::size_t i = 0; i < kOneTwoZero.size(); ++i) {
        if (kOneTwoZero[i] == value) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

ConnectTimeFlags ConnectTimeOfItem(int item) {
    return {item == 0 ? 1 : 0, item == 1 ? 1 : 0};
}

int ConnectTimeItem(const ConnectTimeFlags& flags) {
    if (flags.session == 1) {
        return 0;
    }
    return flags.total == 1 ? 1 : 2;
}

LayoutChoice ChooseLayout(std::int32_t stored, int item) {
    const std::int32_t layout = item + 1;
    return {stored < 0 ? -layout : layout, layout != std::llabs(stored)};
}

std::optional<int> LayoutItem(std::int32_t stored) {
    const long long layout = std::llabs(stored);
    if (layout < 1 || layout > kLayouts) {
        return std::nullopt;
    }
    return static_cast<int>(layout) - 1;
}

DayCount WithDate(DayCount old, DayCount picked) {
    return Combine(DatePart(picked), TimePart(old));
}

DayCount WithTime(DayCount old, DayCount picked) {
    return Combine(DatePart(old), TimePart(picked));
}

}  // namespace lw
