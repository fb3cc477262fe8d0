#include "monitor/core/drawing/title_display.h"

namespace lw {

bool TitleStripShown(const MonitorSettings& settings, bool carrierUp) {
    return settings.Title == 1 || (carrierUp && settings.Title == 2);
}

bool TitleTimeShown(const MonitorSettings& settings, bool carrierUp) {
    return carrierUp && (IsOn(settings.DisplayConnectTimeInTitlebar) ||
                         IsOn(settings.DisplayTotalConnectTimeInTitlebar));
}

bool TitleDisplayActive(const MonitorSettings& settings, bool carrierUp) {
    return TitleStripShown(settings, carrierUp) || TitleTimeShown(settings, carrierUp);
}

bool TitleDisplayFits(const CaptionWindowInfo& window, int stripWidth,
                      const SystemMetrics& metrics) {
    if (!window.caption || window.popup || window.child || window.minimized ||
        !window.minimizeBox || window.monitorWindow) {
        return false;
    }
    int room = window.width - stripWidth;
    if (window.sysMenu) {
        room -= metrics.cxSize;
    }
    if (window.minimizeBox || window.maximizeBox) {
        room -= 2 * metrics.cxSize;
    }
    room -= metrics.cxSize;
    room -= window.sizeable ? metrics.cxFrame : metrics.cxBorder;
    if (metrics.cxSize > 20) {
        room -= 3;
    }
    return room > 0;
}

TitlePosition TitleDisplayPosition(const CaptionWindowInfo& window, int stripWidth,
                                   const SystemMetrics& metrics, const MonitorSettings& settings) {
    TitlePosition at;
    // Left of the close, maximise and minimise buttons (each a button's width, on Windows
    // 95/98 and Wine alike) and of the frame, so that the strip covers none of them.
    at.x = settings.TitleBarOffset + window.width - (stripWidth + 2);
    if (window.sysMenu) {
        at.x -= metrics.cxSize;
    }
    if (window.minimizeBox || window.maximizeBox) {
        at.x -= 2 * metrics.cxSize;
    }
    at.x -= window.sizeable ? metrics.cxFrame : metrics.cxDlgFrame;
    at.y = (window.sizeable ? metrics.cyFrame : metrics.cyBorder) + settings.TitleBarOffsetT;
    return at;
}

}  // namespace lw
