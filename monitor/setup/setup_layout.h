// Where the dialog's shared parts stand, in pixels of its client area; each page places its
// own controls from the page's top left corner.
#pragma once

#include "monitor/controls/control_windows.h"

namespace lw::layout {

inline constexpr int kMargin = 6;
inline constexpr int kButtonWidth = 80;
inline constexpr int kButtonHeight = 23;
inline constexpr int kRowTop = 388;

inline const ControlRect kPages = ControlRect::Sized(kMargin, kMargin, 468, 374);
// The help button at the foot of every page.
inline const ControlRect kHelpButton = ControlRect::Sized(366, 270, kButtonWidth, kButtonHeight);

// The button row below the pages: OK, Intro, Index and Cancel.
inline ControlRect ButtonRowPlace(int index) {
    constexpr int kStep = 96;
    return ControlRect::Sized(62 + index * kStep, kRowTop, kButtonWidth + 6, kButtonHeight + 2);
}

}  // namespace lw::layout
