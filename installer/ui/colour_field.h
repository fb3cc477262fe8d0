// The install screen's colour field: the client area in cells of 16 x 16 pixels, each filled
// with the colour that the four corner colours give at its centre.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "installer/ui/screen_geometry.h"

namespace aw {

// 0x00BBGGRR, as the system's colour references.
using Colour = std::uint32_t;

// Top left, top right, bottom left, bottom right.
using CornerColours = std::array<Colour, 4>;

inline constexpr int kColourCell = 16;

// Each of red, green and blue: c1 + (c2 - c1)x/w + (c3 - c1)y/h + (c1 + c4 - c2 - c3)xy/(wh),
// every term multiplied before divided and the sum held to 0..255. A client without area
// has no colours: the result is then the top-left corner's.
Colour FieldColourAt(const CornerColours& corners, int x, int y, PixelSize client);

struct ColourFill {
    PixelRect Rect;
    Colour Fill = 0;
    bool operator==(const ColourFill&) const = default;
};

// The fills that cover `area` of the client: one per cell, on multiples of 16 (cells at the
// right and bottom edges reach past the client). When the top corners are alike and the
// bottom corners are alike, colours change only down the field, and each row of cells is
// one band of the client's whole width.
std::vector<ColourFill> ColourFieldFills(const CornerColours& corners, PixelSize client,
                                         const PixelRect& area);

}  // namespace aw
