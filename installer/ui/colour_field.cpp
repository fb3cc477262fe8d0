#include "installer/ui/colour_field.h"

#include <algorithm>

namespace aw {
namespace {

std::int64_t Channel(Colour colour, int shift) {
    return (colour >> shift) & 0xFF;
}

// Wide enough that x * y * (c1 + c4 - c2 - c3) cannot overflow on any screen.
std::int64_t BlendChannel(const CornerColours& c, int shift, std::int64_t x, std::int64_t y,
                          std::int64_t w, std::int64_t h) {
    const std::int64_t c1 = Channel(c[0], shift);
    const std::int64_t c2 = Channel(c[1], shift);
    const std::int64_t c3 = Channel(c[2], shift);
    const std::int64_t c4 = Channel(c[3], shift);
    const std::int64_t value =
        c1 + (c2 - c1) * x / w + (c3 - c1) * y / h + (c1 + c4 - c2 - c3) * x * y / (w * h);
    return std::clamp<std::int64_t>(value, 0, 255);
}

// The cell edge at or before `v` (not negative).
int CellStart(int v) {
    return v / kColourCell * kColourCell;
}

}  // namespace

Colour FieldColourAt(const CornerColours& corners, int x, int y, PixelSize client) {
    if (client.Width <= 0 || client.Height <= 0) {
        return corners[0] & 0xFFFFFF;
    }
    Colour colour = 0;
    for (int shift : {0, 8, 16}) {
        colour |=
            static_cast<Colour>(BlendChannel(corners, shift, x, y, client.Width, client.Height))
            << shift;
    }
    return colour;
}

std::vector<ColourFill> ColourFieldFills(const CornerColours& corners, PixelSize client,
                                         const PixelRect& area) {
    std::vector<ColourFill> fills;
    const int left = std::max(area.Left, 0);
    const int top = std::max(area.Top, 0);
    const int right = std::min(area.Left + area.Width, client.Width);
    const int bottom = std::min(area.Top + area.Height, client.Height);
    if (left >= right || top >= bottom) {
        return fills;
    }
    const bool bands = corners[0] == corners[1] && corners[2] == corners[3];
    constexpr int kHalf = kColourCell / 2;
    for (int y = CellStart(top); y < bottom; y += kColourCell) {
        if (bands) {
            fills.push_back({{0, y, client.Width, kColourCell},
                             FieldColourAt(corners, kHalf, y + kHalf, client)});
            continue;
        }
        for (int x = CellStart(left); x < right; x += kColourCell) {
            fills.push_back({{x, y, kColourCell, kColourCell},
                             FieldColourAt(corners, x + kHalf, y + kHalf, client)});
        }
    }
    return fills;
}

}  // namespace aw
