// The main window's size for a layout: from the layout's bitmap, the system's frame and
// caption sizes, the text lines under the lamps and the user's width.
#pragma once

#include <cstdint>

#include "monitor/core/settings/settings.h"

namespace lw {

// The system sizes the panel and the title-bar display are measured with, in pixels.
struct SystemMetrics {
    int cxMin = 0;      // narrowest window the system allows
    int cxSize = 0;     // caption button width
    int cySize = 0;     // caption button height
    int cyCaption = 0;  // caption height
    int cxDlgFrame = 0;
    int cyDlgFrame = 0;
    int cxFrame = 0;  // sizeable frame
    int cyFrame = 0;
    int cxBorder = 0;
    int cyBorder = 0;
};

// Layouts 1 and 2 have a fixed width; the small ones can be made wider by the user.
enum class PanelBorder { Single, Sizeable };

PanelBorder BorderForLayout(std::int32_t newOrientation);

// How many text lines the panel shows under the lamps: the port status, the connect time
// (only while the carrier is up) and the throughput. Only the small layouts have them.
int ShownTextLines(const MonitorSettings& settings, bool carrierUp);

struct PanelSize {
    int width = 0;   // of the window; also the new "WindowSizeX"
    int height = 0;  // of the window
    int minWidth = 0;
    PanelBorder border = PanelBorder::Single;
};

// What the window shows whole besides the lamps, in pixels: its widest text line and the
// text of its caption.
struct PanelContentWidths {
    int text = 0;
    int caption = 0;
};

// The window size at a drawing, for `textLines` lines of `textHeight` pixels. The width is
// "WindowSizeX" for the small layouts and the layout's own for the large ones, never
// narrower than the layout's bitmap nor than the system allows; a small layout is also never
// narrower than its text lines and its caption (beside the icon and the buttons) need.
PanelSize PanelWindowSize(const MonitorSettings& settings, const SystemMetrics& metrics,
                          int textLines, int textHeight, PanelContentWidths content = {});

// The width a user's resize ends at.
int ResizedWidth(int width, int minWidth, const SystemMetrics& metrics);

// The window's place and size before its first drawing, which sizes it properly.
struct PanelBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    PanelBorder border = PanelBorder::Single;
};

PanelBounds InitialPanelBounds(const MonitorSettings& settings);

// Where the layout's bitmap goes in the client area: centred across, its top two rows above
// the client area, no wider than the bitmap or the window.
struct PanelCopy {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

PanelCopy PanelCopyArea(std::int32_t newOrientation, int clientWidth, int windowWidth,
                        const SystemMetrics& metrics);

}  // namespace lw
