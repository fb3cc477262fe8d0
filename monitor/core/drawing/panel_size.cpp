#include "monitor/core/drawing/panel_size.h"

#include <algorithm>

#include "monitor/core/drawing/lamp_layouts.h"
#include "monitor/core/drawing/panel_text.h"

namespace lw {

PanelBorder BorderForLayout(std::int32_t newOrientation) {
    return PanelLayoutNumber(newOrientation) <= 2 ? PanelBorder::Single : PanelBorder::Sizeable;
}

int ShownTextLines(const MonitorSettings& settings, bool carrierUp) {
    if (PanelLayoutNumber(settings.NewOrientation) <= 2) {
        return 0;
    }
    const bool connectTime =
        IsOn(settings.DisplayConnectTime) || IsOn(settings.DisplayTotalConnectTimeInDisplay);
    return int{IsOn(settings.StatusInDisplay)} + int{connectTime && carrierUp} +
           int{IsOn(settings.SPYSpeedInDisplay)};
}

namespace {

// The window width that shows `content` whole in a sizeable frame: the text lines with their
// margins, and the caption's text between its icon and its three buttons.
int ContentWidth(const MonitorSettings& settings, const SystemMetrics& metrics,
                 PanelContentWidths content) {
    const int frames = 2 * metrics.cxFrame;
    int width = content.text > 0 ? content.text + 2 * kTextLeft + frames : 0;
    if (!IsOn(settings.NoTitleBar) && content.caption > 0) {
        width = std::max(width, content.caption + 4 * metrics.cxSize + frames + 6);
    }
    return width;
}

}  // namespace

PanelSize PanelWindowSize(const MonitorSettings& settings, const SystemMetrics& metrics,
                          int textLines, int textHeight, PanelContentWidths content) {
    const LampLayout& layout = PanelLayout(settings.NewOrientation);
    PanelSize size;
    const int layoutWidth = layout.width + metrics.cxDlgFrame;
    size.height = layout.height + metrics.cySize + metrics.cyDlgFrame + 1;
    if (textLines > 0) {
        size.height += textLines * (textHeight + 1) + 1;
    }
    if (IsOn(settings.NoTitleBar)) {
        size.height -= metrics.cySize;
    }
    // A width below the bitmap's would cut lamps off, so the layout's own width is the least.
    size.minWidth = std::max(layoutWidth, metrics.cxMin);
    size.border = BorderForLayout(settings.NewOrientation);
    if (size.border == PanelBorder::Sizeable) {
        size.minWidth = std::max(size.minWidth, ContentWidth(settings, metrics, content));
    }
    const int asked = size.border == PanelBorder::Single ? layoutWidth : settings.WindowSizeX;
    size.width = std::max(asked, size.minWidth);
    return size;
}

int ResizedWidth(int width, int minWidth, const SystemMetrics& metrics) {
    return std::max({width, metrics.cxMin, minWidth});
}

PanelBounds InitialPanelBounds(const MonitorSettings& settings) {
    PanelBounds bounds;
    bounds.left = settings.WindowPositionX;
    bounds.top = settings.WindowPositionY;
    bounds.border = BorderForLayout(settings.NewOrientation);
    bounds.width = bounds.border == PanelBorder::Single ? 100 : settings.WindowSizeX;
    bounds.height = 10;
    return bounds;
}

PanelCopy PanelCopyArea(std::int32_t newOrientation, int clientWidth, int windowWidth,
                        const SystemMetrics& metrics) {
    const LampLayout& layout = PanelLayout(newOrientation);
    PanelCopy copy;
    copy.x = (clientWidth - layout.width) / 2;
    copy.y = -2;
    copy.width = std::min(windowWidth - metrics.cxDlgFrame, layout.width);
    copy.height = layout.height;
    return copy;
}

}  // namespace lw
