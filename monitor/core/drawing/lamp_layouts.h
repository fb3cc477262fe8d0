// The panel's five layouts and the title-bar display's four: their background bitmaps,
// where the lamps sit and which lamp of the line each position shows.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "monitor/core/sampling/line_state.h"

namespace lw {

enum class Lamp : std::uint8_t { CTS, DSR, RI, CD, DTR, RTS, TD, RD, HS, Dark };

// A lamp at row r, column c is copied to (x0 + c * dx, y0 + r * dy); width and height are
// the cell it may fill.
struct LampGeometry {
    int x0 = 0;
    int y0 = 0;
    int width = 0;
    int height = 0;
    int dx = 0;
    int dy = 0;
    friend bool operator==(const LampGeometry&, const LampGeometry&) = default;
};

struct LampSlot {
    int row = 0;
    int column = 0;
    Lamp lamp = Lamp::Dark;
};

// The families of lamp bitmaps; each comes in every look.
enum class LampSet { Large, Small, Modem, Title };

// Lit, unlit, or the dark placeholder of the modem and title sets.
enum class LampImage { On, Off, NoLight };

struct LampLayout {
    const char* background;  // bitmap resource
    int width;               // nominal size of the panel or strip in pixels
    int height;
    LampGeometry geometry;
    LampSet set;
    // The courier layouts show their unlit columns 3, 10 and 11 as dark placeholders.
    bool courier;
    std::span<const LampSlot> lamps;
};

// Panel layouts 1 large square, 2 large horizontal, 3 small horizontal, 4 modem, 5 courier,
// by the absolute value of "NewOrientation"; any other value shows layout 3.
int PanelLayoutNumber(std::int32_t newOrientation);
const LampLayout& PanelLayout(std::int32_t newOrientation);

// Title layouts 3 small horizontal, 4 modem, 5 courier, 6 simplified, by "Orientation
// Title"; any other value shows layout 3.
int TitleLayoutNumber(std::int32_t orientationTitle);
const LampLayout& TitleLayout(std::int32_t orientationTitle);

// The strip's width as drawn into a caption (the courier strip's bitmap is wider than it).
int TitleStripWidth(std::int32_t orientationTitle);

struct LampPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const LampPoint&, const LampPoint&) = default;
};

LampPoint LampPosition(const LampGeometry& geometry, const LampSlot& slot);

bool LampLit(Lamp lamp, const LineState& line, bool highSpeed);
LampImage ChooseLampImage(const LampLayout& layout, int column, bool lit);

// The bitmap resource of a lamp: "LampLook" (0 diamond, 1 round, 2 square) chooses the look
// of the panel's sets, "LampLookTitle" (0 flat, 1 round) that of the title set. Looks out of
// range show the default (round, flat).
std::string LampBitmapName(LampSet set, LampImage image, std::int32_t look);

}  // namespace lw
