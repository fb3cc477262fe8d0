#include "monitor/core/drawing/win32/panel_surface.h"

namespace lw {

GdiPanelSurface::GdiPanelSurface(HWND window, HDC dc, GdiResources& resources)
    : window_(window),
      dc_(dc),
      resources_(resources),
      originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

GdiPanelSurface::~GdiPanelSurface() {
    SelectObject(dc_, originalFont_);
}

int GdiPanelSurface::ClientWidth() const {
    RECT client{};
    GetClientRect(window_, &client);
    return client.right;
}

void GdiPanelSurface::Fill(Colour colour) {
    RECT client{};
    GetClientRect(window_, &client);
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &client, brush);
    DeleteObject(brush);
}

void GdiPanelSurface::UseFont(const DrawingFont& font, Colour text, Colour background) {
    SelectObject(dc_, static_cast<const GdiFont&>(font).Font());
    SetTextColor(dc_, text);
    SetBkColor(dc_, background);
    SetBkMode(dc_, OPAQUE);
}

int GdiPanelSurface::TextHeight() const {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    return metrics.tmHeight;
}

TextSize GdiPanelSurface::Measure(const std::string& text) const {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void GdiPanelSurface::Text(int x, int y, const std::string& text) {
    TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void GdiPanelSurface::Copy(const Picture& picture, int x, int y, int width, int height) {
    resources_.CopyTo(dc_, picture, x, y, width, height);
}

}  // namespace lw
