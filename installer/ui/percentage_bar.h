// The percentage bar: a value from 0 to 100 as a coloured part of the control, the rest
// white, with the value written across it.
#pragma once

#include <string>

#include "installer/ui/screen_geometry.h"

namespace aw {

struct BarDrawing {
    // A control no taller than wide fills from the left; a taller one from the bottom, with
    // its text turned upright.
    bool Horizontal = true;
    PixelRect Filled;
    PixelRect Rest;
    std::string Text;
    bool operator==(const BarDrawing&) const = default;
};

// Values outside 0..100 are drawn as the nearer end.
BarDrawing DrawBar(PixelSize control, int value);

}  // namespace aw
