// Where the install screen and its parts go, in pixels: the layout's thousandths converted,
// the window's rectangle for each size mode and the picture buttons in their boxes.
#pragma once

#include "installer/script/model/screen_layout.h"

namespace aw {

struct PixelSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelRect&) const = default;
};

// `value` thousandths of `extent` pixels, multiplied before divided.
int FromThousandths(int value, int extent);

PixelPoint PointFromThousandths(int x, int y, PixelSize client);
PixelRect RectFromThousandths(const ScreenRect& place, PixelSize client);

struct ScreenWindowPlace {
    PixelRect Rect;
    // Size mode 1: the window is created maximised.
    bool Maximised = false;
};

// The screen window on a screen of `screen` pixels. `pictureWindow` is the window size that
// holds the background picture as its client area (size mode 2 only).
ScreenWindowPlace PlaceScreenWindow(const ScreenLayout& layout, PixelSize screen,
                                    PixelSize pictureWindow);

// The largest picture button; a larger box keeps the button at this size, centred.
inline constexpr PixelSize kPictureButtonSize{63, 39};

PixelRect PictureButtonPlace(const PixelRect& box);

// A window of `size` whose centre is `centre`, halves truncated toward zero.
PixelRect CentredOn(PixelPoint centre, PixelSize size);

}  // namespace aw
