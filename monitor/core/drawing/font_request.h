// The GDI font made from a font of the settings.
#pragma once

#include <cstdint>
#include <string>

#include "monitor/core/settings/settings.h"

namespace lw {

// The fields of the logical font; width, escapement and orientation are 0, the character
// set 1 (default), output and clip precision 0, quality 2 (proof) and pitch and family 34
// (variable pitch, Swiss).
struct FontRequest {
    std::int32_t height = 0;
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string face;
    friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

inline constexpr std::uint8_t kFontCharSet = 1;
inline constexpr std::uint8_t kFontQuality = 2;
inline constexpr std::uint8_t kFontPitchAndFamily = 34;

// A size in points becomes a cell height at the display's pixels per inch; a negative size
// is a character height in pixels already.
FontRequest FontRequestFor(const FontSpec& font, int pixelsPerInch);

// a * b / c rounded to the nearest, halves away from zero, as the system's MulDiv.
std::int32_t MulDivRounded(std::int32_t a, std::int32_t b, std::int32_t c);

}  // namespace lw
