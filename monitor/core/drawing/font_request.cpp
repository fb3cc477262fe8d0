#include "monitor/core/drawing/font_request.h"

#include <limits>

namespace lw {

std::int32_t MulDivRounded(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t half = (c < 0 ? -std::int64_t{c} : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    std::int64_t quotient = magnitude / (c < 0 ? -std::int64_t{c} : c);
    if (negative) {
        quotient = -quotient;
    }
    if (quotient > std::numeric_limits<std::int32_t>::max() ||
        quotient < std::numeric_limits<std::int32_t>::min()) {
        return -1;
    }
    return static_cast<std::int32_t>(quotient);
}

FontRequest FontRequestFor(const FontSpec& font, int pixelsPerInch) {
    FontRequest request;
    request.height = font.size < 0 ? font.size : MulDivRounded(font.size, pixelsPerInch, 72);
    request.weight = font.bold ? 700 : 400;
    request.italic = font.italic;
    request.underline = font.underline;
    request.strikeOut = font.strikeOut;
    request.face = font.face;
    return request;
}

}  // namespace lw
