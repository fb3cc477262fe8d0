// The title-bar display on the captions of other windows, through their window device
// contexts.
#pragma once

#include <windows.h>

#include "monitor/core/drawing/drawing_services.h"
#include "monitor/core/drawing/win32/gdi_resources.h"

namespace lw {

// The top-level window of the foreground window, found by climbing GetParent.
HWND ForegroundTopLevelWindow();

class GdiCaptionWindows : public CaptionWindows {
  public:
    // `monitor` is the monitor's own panel, which never carries the display.
    GdiCaptionWindows(HWND monitor, GdiResources& resources)
        : monitor_(monitor), resources_(resources) {}

    CaptionWindowId ForegroundTopLevel() const override;
    CaptionWindowInfo Describe(CaptionWindowId window) const override;
    void RepaintFrame(CaptionWindowId window) override;
    void RedrawCaption(CaptionWindowId window) override;
    void DrawStrip(CaptionWindowId window, const Picture& strip, int x, int y, int width,
                   int height) override;
    void DrawTime(CaptionWindowId window, const std::string& text, int right, int top, int bottom,
                  const DrawingFont& font, Colour textColour, Colour background) override;

  private:
    HWND monitor_;
    GdiResources& resources_;
};

}  // namespace lw
