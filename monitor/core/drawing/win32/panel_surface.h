// The main window's client area through a device context, for one drawing.
#pragma once

#include <windows.h>

#include "monitor/core/drawing/drawing_services.h"
#include "monitor/core/drawing/win32/gdi_resources.h"

namespace lw {

class GdiPanelSurface : public PanelSurface {
  public:
    // `dc` belongs to the caller and draws on `window`'s client area.
    GdiPanelSurface(HWND window, HDC dc, GdiResources& resources);
    ~GdiPanelSurface() override;
    GdiPanelSurface(const GdiPanelSurface&) = delete;
    GdiPanelSurface& operator=(const GdiPanelSurface&) = delete;

    int ClientWidth() const override;
    void Fill(Colour colour) override;
    void UseFont(const DrawingFont& font, Colour text, Colour background) override;
    int TextHeight() const override;
    TextSize Measure(const std::string& text) const override;
    void Text(int x, int y, const std::string& text) override;
    void Copy(const Picture& picture, int x, int y, int width, int height) override;

  private:
    HWND window_;
    HDC dc_;
    GdiResources& resources_;
    HGDIOBJ originalFont_;
};

}  // namespace lw
