#include "installer/script/host/event_texts.h"

#include <limits>

namespace aw {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::optional<std::uint8_t> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint8_t>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<std::uint8_t>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<std::uint8_t>(c - 'A' + 10);
    }
    return std::nullopt;
}

// Splits at the last dot; a name without one has an empty extension.
std::pair<std::string_view, std::string_view> NameAndExtension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return {name, {}};
    }
    return {name.substr(0, dot), name.substr(dot + 1)};
}

std::string ApplyPart(std::string_view pattern, std::string_view source) {
    std::string result;
    std::size_t at = 0;
    for (const char c : pattern) {
        if (c == '*') {
            if (at < source.size()) {
                result.append(source.substr(at));
            }
            return result;
        }
        if (c == '?') {
            if (at < source.size()) {
                result += source[at];
            }
        } else {
            result += c;
        }
        ++at;
    }
    return result;
}

}  // namespace

std::optional<std::int32_t> ReadWholeInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t firstDigit = at;
    std::int64_t value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + (text[at] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
        ++at;
    }
    if (at == firstDigit) {
        return std::nullopt;
    }
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::vector<std::uint8_t>> ReadHexPairs(std::string_view text) {
    std::size_t commas = 0;
    for (const char c : text) {
        commas += c == ',' ? 1 : 0;
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t n = 0; n <= commas; ++n) {
        const std::size_t at = n * 3;
        if (at + 1 >= text.size()) {
            return std::nullopt;
        }
        const auto high = HexDigit(text[at]);
        const auto low = HexDigit(text[at + 1]);
        if (!high || !low) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
    }
    return bytes;
}

std::vector<std::string> MultiStringTexts(std::string_view text) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' || text[at] == '\n') {
            texts.emplace_back(text.substr(start, at - start));
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            start = at + 1;
        }
    }
    if (start < text.size()) {
        texts.emplace_back(text.substr(start));
    }
    return texts;
}

std::string BackupName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return path + ".bak";
    }
    return path.substr(0, dot + 1) + "bak";
}

std::optional<std::string> NamePattern(std::string_view wildcards) {
    if (wildcards.empty() || wildcards[0] != '+') {
        return std::nullopt;
    }
    std::size_t start = 1;
    if (start < wildcards.size() && (wildcards[1] == '+' || wildcards[1] == '-')) {
        start = 2;
    }
    const std::size_t end = wildcards.find_first_of("+-", start);
    return std::string(wildcards.substr(
        start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string ApplyNamePattern(std::string_view pattern, std::string_view name) {
    const auto [patternName, patternExtension] = NameAndExtension(pattern);
    const auto [sourceName, sourceExtension] = NameAndExtension(name);
    std::string result = ApplyPart(patternName, sourceName);
    const std::string extension = ApplyPart(patternExtension, sourceExtension);
    if (!extension.empty()) {
        result += '.' + extension;
    }
    return result;
}

}  // namespace aw
