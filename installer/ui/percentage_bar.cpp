#include "installer/ui/percentage_bar.h"

#include <algorithm>

namespace aw {

BarDrawing DrawBar(PixelSize control, int value) {
    value = std::clamp(value, 0, 100);
    BarDrawing drawing;
    drawing.Text = std::to_string(value) + "%";
    drawing.Horizontal = control.Height <= control.Width;
    if (drawing.Horizontal) {
        const int filled = value * control.Width / 100;
        drawing.Filled = {0, 0, filled, control.Height};
        drawing.Rest = {filled, 0, control.Width - filled, control.Height};
    } else {
        const int filled = value * control.Height / 100;
        drawing.Filled = {0, control.Height - filled, control.Width, filled};
        drawing.Rest = {0, 0, control.Width, control.Height - filled};
    }
    return drawing;
}

}  // namespace aw
