#include "monitor/core/settings/win32/appearance.h"

#include <windows.h>

namespace lw {
namespace {

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// A font height in pixels (negative: character height; positive: cell height) in points.
std::int32_t PointsFromHeight(LONG height) {
    return MulDiv(height < 0 ? -height : height, 72, ScreenPixelsPerInch());
}

}  // namespace

int Win32Appearance::ScreenWidth() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int Win32Appearance::ScreenHeight() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

Colour Win32Appearance::CaptionTextColour() const {
    return GetSysColor(COLOR_CAPTIONTEXT);
}

Colour Win32Appearance::ActiveCaptionColour() const {
    return GetSysColor(COLOR_ACTIVECAPTION);
}

FontSpec Win32Appearance::CaptionFont() const {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    FontSpec font;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return font;
    }
    const LOGFONTA& caption = metrics.lfCaptionFont;
    font.face = caption.lfFaceName;
    font.size = PointsFromHeight(caption.lfHeight);
    font.bold = caption.lfWeight >= FW_BOLD;
    font.italic = caption.lfItalic != 0;
    font.underline = caption.lfUnderline != 0;
    font.strikeOut = caption.lfStrikeOut != 0;
    return font;
}

}  // namespace lw
