// The title-bar display: a strip of small lamps and the connect time drawn into the caption
// of the foreground window. When it is shown, whether it fits and where it goes.
#pragma once

#include <cstdint>

#include "monitor/core/drawing/panel_size.h"
#include "monitor/core/settings/settings.h"

namespace lw {

bool TitleDisplayActive(const MonitorSettings& settings, bool carrierUp);
bool TitleStripShown(const MonitorSettings& settings, bool carrierUp);
bool TitleTimeShown(const MonitorSettings& settings, bool carrierUp);

// What the display needs to know of a top-level window.
struct CaptionWindowInfo {
    int width = 0;
    bool caption = false;  // WS_DLGFRAME
    bool sysMenu = false;
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool sizeable = false;
    bool popup = false;
    bool child = false;
    bool minimized = false;
    bool monitorWindow = false;  // the monitor's own panel
};

// Whether a strip `stripWidth` pixels wide fits left of the caption's buttons, on a window
// whose caption may carry it.
bool TitleDisplayFits(const CaptionWindowInfo& window, int stripWidth,
                      const SystemMetrics& metrics);

struct TitlePosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const TitlePosition&, const TitlePosition&) = default;
};

// The strip's top left corner in window coordinates, moved by the user's offsets.
TitlePosition TitleDisplayPosition(const CaptionWindowInfo& window, int stripWidth,
                                   const SystemMetrics& metrics, const MonitorSettings& settings);

}  // namespace lw
