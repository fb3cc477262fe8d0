#include "monitor/core/drawing/recolour.h"

#include <algorithm>

namespace lw {
namespace {

bool Low(std::uint8_t value) {
    return value < 100;
}

bool Mid(std::uint8_t value) {
    return value >= 151 && value <= 239;
}

PixelRole BackgroundRole(Rgb p) {
    if (Mid(p.red) && Mid(p.green) && Mid(p.blue)) {
        return PixelRole::Background;
    }
    if (Low(p.red) && Low(p.green) && p.blue > 128) {
        return PixelRole::Text;
    }
    return PixelRole::Fixed;
}

PixelRole LampRole(Rgb p) {
    if (p.red >= 128 && Low(p.green) && Low(p.blue)) {
        return PixelRole::LightOn;
    }
    if (Low(p.red) && Low(p.green) && p.blue >= 128) {
        return PixelRole::Background;
    }
    if (Low(p.red) && p.green >= 128 && Low(p.blue)) {
        return PixelRole::LightOff;
    }
    return PixelRole::Fixed;
}

constexpr int kSeparatorRow = 22;
constexpr DibPixel kSeparatorGrey = 0x808080;
constexpr DibPixel kSeparatorWhite = 0xFFFFFF;

}  // namespace

PixelRole ClassifyPixel(BitmapKind kind, Rgb pixel) {
    return kind == BitmapKind::Background ? BackgroundRole(pixel) : LampRole(pixel);
}

KeyColours KeyColoursOf(const MonitorSettings& settings) {
    return {settings.BackgroundColor, settings.TextColor, settings.LightColorOn,
            settings.LightColorOff};
}

Rgb RgbOf(DibPixel pixel) {
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

DibPixel DibPixelOf(Colour colour) {
    const DibPixel red = colour & 0xFF;
    const DibPixel green = (colour >> 8) & 0xFF;
    const DibPixel blue = (colour >> 16) & 0xFF;
    return red << 16 | green << 8 | blue;
}

int Recolour(std::span<DibPixel> pixels, BitmapKind kind, const KeyColours& colours) {
    const DibPixel background = DibPixelOf(colours.background);
    const DibPixel text = DibPixelOf(colours.text);
    const DibPixel lightOn = DibPixelOf(colours.lightOn);
    const DibPixel lightOff = DibPixelOf(colours.lightOff);
    int replaced = 0;
    for (DibPixel& pixel : pixels) {
        switch (ClassifyPixel(kind, RgbOf(pixel))) {
            case PixelRole::Fixed:
                continue;
            case PixelRole::Background:
                pixel = background;
                break;
            case PixelRole::Text:
                pixel = text;
                break;
            case PixelRole::LightOn:
                pixel = lightOn;
                break;
            case PixelRole::LightOff:
                pixel = lightOff;
                break;
        }
        ++replaced;
    }
    return replaced;
}

void EtchSeparator(std::span<DibPixel> pixels, int width) {
    if (width <= 0) {
        return;
    }
    const auto row = [&](int y, DibPixel colour) {
        const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        if (start + static_cast<std::size_t>(width) <= pixels.size()) {
            std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(start), width, colour);
        }
    };
    row(kSeparatorRow, kSeparatorGrey);
    row(kSeparatorRow + 1, kSeparatorWhite);
}

}  // namespace lw
