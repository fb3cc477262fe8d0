// The numbers of a spin edit: reading its text, keeping a value in its range, stepping it, and
// the characters that may be typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lw {

// A decimal integer with an optional sign and nothing else; nothing when the text is not one
// or does not fit 32 bits.
std::optional<std::int32_t> ParseSpinText(std::string_view text);

// `value` raised to `minimum` or lowered to `maximum`; a range whose ends are equal sets no
// limit at all.
std::int32_t LimitValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum);

// `value` moved by `step`, stopping at the ends of the 32-bit range instead of wrapping.
std::int32_t StepValue(std::int32_t value, std::int32_t step);

// The characters a spin edit takes: the signs, the digits, the decimal separator and the
// control characters other than carriage return. Without `editorEnabled` only the control
// characters other than backspace remain, so that nothing can be typed.
bool AcceptsSpinChar(char key, bool editorEnabled, char decimalSeparator);

}  // namespace lw
