// How a title text of the install screen is drawn: its font, its shadow and where each copy
// of the text goes.
#pragma once

#include <string>
#include <vector>

#include "installer/script/model/screen_layout.h"
#include "installer/ui/colour_field.h"
#include "installer/ui/screen_geometry.h"

namespace aw {

// The two font flags are style choices: the first makes the face bold, the second italic.
struct TitleFont {
    // Cell height in pixels: the text fills its box from top to bottom.
    int Height = 0;
    bool Bold = false;
    bool Italic = false;
    std::string Face;
    bool operator==(const TitleFont&) const = default;
};

TitleFont TitleFontFor(const TitleText& title, PixelSize client);

// The shadow distance of a display with `pixelsPerInch` logical pixels per inch: a twenty-
// fourth of an inch (4 pixels on the common 96), never less than 2 so that half of it, the
// light shadow's offset, is still a pixel.
int ShadowDistance(int pixelsPerInch);

struct TextCopy {
    PixelPoint At;
    Colour Ink = 0;
    bool operator==(const TextCopy&) const = default;
};

// The copies of the text in drawing order: the shadow first (shadow mode 1: white, offset
// by half the shadow distance; mode 2: black, offset by all of it; right and down), then
// the text in its colour at its place.
std::vector<TextCopy> TitleCopies(const TitleText& title, PixelSize client, int shadowDistance);

// How a title is fitted to its box's width: when the text, drawn with characters
// `averageWidth` pixels wide on average, is `textWidth` pixels wide and its box only
// `boxWidth`, the average character width that makes it fit; 0 (the face's own width) when
// it fits already.
int FittedCharacterWidth(int averageWidth, int textWidth, int boxWidth);

}  // namespace aw
