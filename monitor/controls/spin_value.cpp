#include "monitor/controls/spin_value.h"

#include <charconv>
#include <limits>

namespace lw {

std::optional<std::int32_t> ParseSpinText(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::int32_t LimitValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
    if (minimum == maximum) {
        return value;
    }
    if (value < minimum) {
        return minimum;
    }
    if (value > maximum) {
        return maximum;
    }
    return value;
}

std::int32_t StepValue(std::int32_t value, std::int32_t step) {
    using Limits = std::numeric_limits<std::int32_t>;
    const std::int64_t moved = std::int64_t{value} + step;
    if (moved > Limits::max()) {
        return Limits::max();
    }
    if (moved < Limits::min()) {
        return Limits::min();
    }
    return static_cast<std::int32_t>(moved);
}

bool AcceptsSpinChar(char key, bool editorEnabled, char decimalSeparator) {
    constexpr char kBackspace = 8;
    constexpr char kReturn = 13;
    const auto code = static_cast<unsigned char>(key);
    if (code < 32) {
        return key != kReturn && (editorEnabled || key != kBackspace);
    }
    if (!editorEnabled) {
        return false;
    }
    return key == '+' || key == '-' || (key >= '0' && key <= '9') || key == decimalSeparator;
}

}  // namespace lw
