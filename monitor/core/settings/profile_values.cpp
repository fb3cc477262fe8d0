#include "monitor/core/settings/profile_values.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lw {
namespace {

bool IsHexSpelling(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// Parses the whole of text as a number of type T in the given base.
template <typename T>
std::optional<T> ParseWhole(std::string_view text, int base) {
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') {
            return std::nullopt;
        }
    }
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> ParseHex(std::string_view text) {
    const std::string_view digits = text.substr(2);
    if (digits.front() == '+' || digits.front() == '-') {
        return std::nullopt;
    }
    return ParseWhole<std::uint32_t>(digits, 16);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    if (IsHexSpelling(text)) {
        const auto value = ParseHex(text);
        return value ? std::optional<std::int32_t>(static_cast<std::int32_t>(*value))
                     : std::nullopt;
    }
    return ParseWhole<std::int32_t>(text, 10);
}

std::optional<std::uint32_t> ParseProfileColour(std::string_view text) {
    if (IsHexSpelling(text)) {
        return ParseHex(text);
    }
    if (const auto value = ParseWhole<std::uint32_t>(text, 10)) {
        return value;
    }
    const auto negative = ParseWhole<std::int32_t>(text, 10);
    return negative ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*negative))
                    : std::nullopt;
}

std::optional<double> ParseProfileReal(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string FormatProfileReal(double value) {
    if (!std::isfinite(value)) {
        value = 0;
    }
    // "%.14E" gives d.ddddddddddddddE±xx[x]; the exponent is then widened to four digits.
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.14E", std::fabs(value));
    const std::string_view text(digits);
    const std::size_t e = text.find('E');
    const int power = std::atoi(digits + e + 1);
    char exponent[8];
    std::snprintf(exponent, sizeof exponent, "E%c%04d", power < 0 ? '-' : '+',
                  std::abs(power) % 10000);
    const char sign = std::signbit(value) && value != 0 ? '-' : ' ';
    return sign + std::string(text.substr(0, e)) + exponent;
}

}  // namespace lw
