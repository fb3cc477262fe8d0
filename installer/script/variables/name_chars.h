// The characters of variable names, shared by `$` substitution and expressions.
#pragma once

#include <cstddef>

namespace aw {

// Longer names are refused rather than cut, so that a cut name can never reach a different
// variable than the one the script author wrote.
inline constexpr std::size_t kMaxNameLength = 39;

// ASCII only: script texts are ANSI bytes, and the C library's classification would depend on
// the locale and is undefined for bytes above 0x7F.
constexpr bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool IsNameChar(char c) {
    return IsNameStart(c) || IsDigit(c);
}

}  // namespace aw
