// The bitmaps are drawn in key colours that loading replaces with the user's colours.
#pragma once

#include <cstdint>
#include <span>

#include "monitor/core/settings/settings.h"

namespace lw {

// Backgrounds and title strips carry the background and text keys; lamps the lit, unlit
// and background keys.
enum class BitmapKind { Background, Lamp };

// What a pixel of a loaded bitmap stands for.
enum class PixelRole { Fixed, Background, Text, LightOn, LightOff };

// A pixel as red, green and blue.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

PixelRole ClassifyPixel(BitmapKind kind, Rgb pixel);

// The user's colours that replace the keys.
struct KeyColours {
    Colour background = 0;
    Colour text = 0;
    Colour lightOn = 0;
    Colour lightOff = 0;
    friend bool operator==(const KeyColours&, const KeyColours&) = default;
};

KeyColours KeyColoursOf(const MonitorSettings& settings);

// Pixels as 32-bit device-independent bitmaps hold them: 0x00RRGGBB.
using DibPixel = std::uint32_t;

Rgb RgbOf(DibPixel pixel);
DibPixel DibPixelOf(Colour colour);

// Replaces every key pixel; returns how many were replaced.
int Recolour(std::span<DibPixel> pixels, BitmapKind kind, const KeyColours& colours);

// The etched line under a small layout's lamps, above the text lines: pixel row 22 grey,
// row 23 white, across a top-down bitmap `width` pixels wide.
void EtchSeparator(std::span<DibPixel> pixels, int width);

}  // namespace lw
