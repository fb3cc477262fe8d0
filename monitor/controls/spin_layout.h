// Where the parts of a spin edit and of a spin button go.
#pragma once

#include "monitor/controls/control_windows.h"

namespace lw {

// A spin button is never narrower than this.
inline constexpr int kMinSpinButtonWidth = 15;

// The lowest height at which a spin edit still shows its text whole: the font, a quarter of
// the smaller of the system and the control font for the leading, the borders and a margin.
int SpinEditMinHeight(int fontHeight, int systemFontHeight, int borderHeight);

// The spin button's place inside a spin edit of the given outer size: against the right edge
// of the text area, which a three-dimensional border makes smaller.
ControlRect SpinButtonPlace(int width, int height, int buttonWidth, bool threeDimensional);

// The text stops short of the spin button; the rectangle reaches one row below the client
// area so that no part of a tall font is cut off.
ControlRect SpinEditTextRect(int clientWidth, int clientHeight, int buttonWidth);

// The two halves of a spin button of the given size. The lower half starts one row above the
// upper one's bottom edge, so that their frames share a line.
struct SpinHalves {
    ControlRect up;
    ControlRect down;
};
SpinHalves SpinButtonHalves(int width, int height);

}  // namespace lw
