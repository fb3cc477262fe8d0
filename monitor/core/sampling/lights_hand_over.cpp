#include "monitor/core/sampling/lights_hand_over.h"

#include <limits>

namespace lw {
namespace {

// Leading decimal digits; a value too large for a handle saturates rather than wrapping.
std::uintptr_t LeadingNumber(std::string_view part) {
    constexpr std::uintptr_t max = std::numeric_limits<std::uintptr_t>::max();
    std::uintptr_t value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') {
            break;
        }
        const auto digit = static_cast<std::uintptr_t>(c - '0');
        value = value > (max - digit) / 10 ? max : value * 10 + digit;
    }
    return value;
}

// Splits off the text before the first blank; `rest` keeps what follows that blank.
std::string_view SplitAtBlank(std::string_view& rest) {
    const std::size_t blank = rest.find(' ');
    const std::string_view head = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    return head;
}

}  // namespace

LightsHandOver ParseLightsHandOver(std::string_view text) {
    LightsHandOver handOver;
    handOver.event = LeadingNumber(SplitAtBlank(text));
    handOver.device = LeadingNumber(SplitAtBlank(text));
    handOver.name = std::string(text);
    return handOver;
}

}  // namespace lw
