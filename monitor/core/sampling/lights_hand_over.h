// The text the "lights" replacement hands over: event handle, device handle, connection name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lw {

struct LightsHandOver {
    std::uintptr_t event = 0;
    std::uintptr_t device = 0;
    std::string name;
};

// "<event> <device> <name>": each number ends at the first blank of what is left and is read
// up to its first non-digit; the name is the rest, blanks included.
LightsHandOver ParseLightsHandOver(std::string_view text);

}  // namespace lw
