#include "monitor/core/drawing/win32/panel_drawing.h"

#include "monitor/core/drawing/win32/panel_surface.h"
#include "monitor/core/win32/appearance.h"

namespace lw {

PanelDrawing::PanelDrawing(HWND window, DrawingRecords records, PanelHost& host,
                           LineSampler& sampler, const Clock& clock)
    : handle_(window),
      settings_(records.settings),
      window_(window),
      captions_(window, resources_),
      painter_(records, {resources_, window_, captions_, host, sampler, clock}) {}

void PanelDrawing::DrawOn(HDC dc) {
    GdiPanelSurface surface(handle_, dc, resources_);
    painter_.DrawPanel(surface);
}

void PanelDrawing::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(handle_, &paint);
    DrawOn(dc);
    EndPaint(handle_, &paint);
}

void PanelDrawing::DrawNow() {
    if (IsWindowVisible(handle_)) {
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return;
    }
    const HDC dc = GetDC(handle_);
    DrawOn(dc);
    ReleaseDC(handle_, dc);
}

void PanelDrawing::UseCaptionFont() {
    const Win32Appearance system;
    painter_.UseCaptionFont(system);
}

void PanelDrawing::ApplyBorderStyle() {
    window_.SetBorder(BorderForLayout(settings_.NewOrientation));
}

}  // namespace lw
