// How numbers, colours, reals and texts are spelled in "LINEWINK.INI".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lw {

// Longest text value a read returns.
inline constexpr std::size_t kMaxProfileText = 1023;

// Decimal, or hexadecimal when longer than two characters and starting with "0x"/"0X";
// hexadecimal values above 0x7FFFFFFF wrap to negative. Nothing else parses.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

// As an integer, but decimal values up to 4294967295 are taken as they stand.
std::optional<std::uint32_t> ParseProfileColour(std::string_view text);

// Any decimal or exponent notation, with blanks around it; infinities and NaN do not parse.
std::optional<double> ParseProfileReal(std::string_view text);

// The fixed 23-character exponent form: sign position (blank or "-"), one digit, ".", 14
// digits, "E", exponent sign and four exponent digits.
std::string FormatProfileReal(double value);

}  // namespace lw
