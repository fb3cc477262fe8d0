#include "monitor/core/drawing/lamp_layouts.h"

#include <array>
#include <cstdlib>

namespace lw {
namespace {

using enum Lamp;

constexpr LampSlot kSquareLamps[] = {{0, 0, CTS}, {0, 1, RI}, {0, 2, CD},
                                     {1, 0, DSR}, {1, 1, TD}, {1, 2, RD}};
constexpr LampSlot kRowOfSix[] = {{0, 0, CTS}, {0, 1, RI}, {0, 2, CD},
                                  {0, 3, DSR}, {0, 4, TD}, {0, 5, RD}};
constexpr LampSlot kModemLamps[] = {{0, 0, HS},  {0, 1, RI},  {0, 2, CD},  {0, 3, RD}, {0, 4, TD},
                                    {0, 5, DTR}, {0, 6, DSR}, {0, 7, RTS}, {0, 8, CTS}};
constexpr LampSlot kCourierLamps[] = {{0, 0, HS},  {0, 1, RI},  {0, 2, CD},    {0, 3, Dark},
                                      {0, 4, RD},  {0, 5, TD},  {0, 6, DTR},   {0, 7, DSR},
                                      {0, 8, RTS}, {0, 9, CTS}, {0, 10, Dark}, {0, 11, Dark}};
constexpr LampSlot kSimplifiedLamps[] = {{0, 0, TD}, {0, 1, RD}};

constexpr LampGeometry kTitleGeometry{3, 1, 10, 10, 15, 1};

const std::array<LampLayout, 5> kPanelLayouts = {{
    {"SQUARE", 100, 70, {8, 2, 20, 20, 31, 32}, LampSet::Large, false, kSquareLamps},
    {"HORIZ", 183, 40, {3, 2, 20, 20, 31, 32}, LampSet::Large, false, kRowOfSix},
    {"HORIZ_SMALL", 100, 25, {6, 2, 10, 10, 16, 1}, LampSet::Small, false, kRowOfSix},
    {"HORIZ_MODEM", 123, 25, {3, 2, 12, 12, 13, 15}, LampSet::Modem, false, kModemLamps},
    {"COURIER", 172, 25, {8, 2, 12, 12, 13, 15}, LampSet::Modem, true, kCourierLamps},
}};

// The strips are 18 pixels high; the courier strip's bitmap is 189 wide, of which 185 show.
const std::array<LampLayout, 4> kTitleLayouts = {{
    {"TITLE2", 94, 18, kTitleGeometry, LampSet::Title, false, kRowOfSix},
    {"TITLE12", 138, 18, kTitleGeometry, LampSet::Title, false, kModemLamps},
    {"TITLE22", 185, 18, kTitleGeometry, LampSet::Title, true, kCourierLamps},
    {"TITLE_SMALL", 33, 18, kTitleGeometry, LampSet::Title, false, kSimplifiedLamps},
}};

const char* LookSuffix(LampSet set, std::int32_t look) {
    if (set == LampSet::Title) {
        return look == 1 ? "R" : "F";
    }
    switch (look) {
        case 0:
            return "D";
        case 2:
            return "SQ";
        default:
            return "R";
    }
}

const char* SetInfix(LampSet set) {
    switch (set) {
        case LampSet::Large:
            return "LARGE_";
        case LampSet::Small:
            return "";
        case LampSet::Modem:
            return "Modem_";
        case LampSet::Title:
            return "Title_";
    }
    return "";
}

const char* ImagePrefix(LampImage image) {
    switch (image) {
        case LampImage::On:
            return "LIGHTON_";
        case LampImage::Off:
            return "LIGHTOFF_";
        case LampImage::NoLight:
            return "NOLIGHT_";
    }
    return "LIGHTOFF_";
}

}  // namespace

int PanelLayoutNumber(std::int32_t newOrientation) {
    const std::int64_t layout = std::llabs(static_cast<std::int64_t>(newOrientation));
    return layout >= 1 && layout <= 5 ? static_cast<int>(layout) : 3;
}

const LampLayout& PanelLayout(std::int32_t newOrientation) {
    return kPanelLayouts[PanelLayoutNumber(newOrientation) - 1];
}

int TitleLayoutNumber(std::int32_t orientationTitle) {
    return orientationTitle >= 3 && orientationTitle <= 6 ? orientationTitle : 3;
}

const LampLayout& TitleLayout(std::int32_t orientationTitle) {
    return kTitleLayouts[TitleLayoutNumber(orientationTitle) - 3];
}

int TitleStripWidth(std::int32_t orientationTitle) {
    return TitleLayout(orientationTitle).width;
}

LampPoint LampPosition(const LampGeometry& geometry, const LampSlot& slot) {
    return {geometry.x0 + slot.column * geometry.dx, geometry.y0 + slot.row * geometry.dy};
}

bool LampLit(Lamp lamp, const LineState& line, bool highSpeed) {
    switch (lamp) {
        case CTS:
            return line.CTS != 0;
        case DSR:
            return line.DSR != 0;
        case RI:
            return line.RI != 0;
        case CD:
            return line.CD != 0;
        case DTR:
            return line.DTR != 0;
        case RTS:
            return line.RTS != 0;
        case TD:
            return line.TD != 0;
        case RD:
            return line.RD != 0;
        case HS:
            return highSpeed;
        case Dark:
            return false;
    }
    return false;
}

LampImage ChooseLampImage(const LampLayout& layout, int column, bool lit) {
    if (lit) {
        return LampImage::On;
    }
    if (layout.courier && (column == 3 || column == 10 || column == 11)) {
        return LampImage::NoLight;
    }
    return LampImage::Off;
}

std::string LampBitmapName(LampSet set, LampImage image, std::int32_t look) {
    return std::string(ImagePrefix(image)) + SetInfix(set) + LookSuffix(set, look);
}

}  // namespace lw
