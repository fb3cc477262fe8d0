// The main window's size, frame, stacking and background colour.
#pragma once

#include <windows.h>

#include "monitor/core/drawing/drawing_services.h"

namespace lw {

SystemMetrics CurrentSystemMetrics();

class GdiPanelWindow : public PanelWindow {
  public:
    explicit GdiPanelWindow(HWND window) : window_(window) {}
    ~GdiPanelWindow() override;
    GdiPanelWindow(const GdiPanelWindow&) = delete;
    GdiPanelWindow& operator=(const GdiPanelWindow&) = delete;

    SystemMetrics Metrics() const override { return CurrentSystemMetrics(); }
    int Width() const override;
    int CaptionTextWidth() const override;
    void SetColour(Colour colour) override;
    void SetBorder(PanelBorder border) override;
    void SetTopmost(bool topmost) override;
    void Resize(int width, int height) override;
    void Invalidate() override;

    // Erases `dc` (the window's, from WM_ERASEBKGND) in the window's colour; false until a
    // colour is set.
    bool EraseBackground(HDC dc) const;

  private:
    HWND window_;
    HBRUSH brush_ = nullptr;
};

}  // namespace lw
