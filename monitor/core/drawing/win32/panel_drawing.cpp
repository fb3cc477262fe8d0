#include "monitor/core/drawing/win32/panel_drawing.h"

#include "monitor/core/drawing/win32/panel_surface.h"
#include "monitor/core/settings/win32/appearance.h"

namespace lw {
namespace {

// The paint and the window's device context end with the drawing, whatever it throws.
class ScopedPaint {
  public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC Dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

class ScopedWindowDc {
  public:
    explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDc() { ReleaseDC(window_, dc_); }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC Dc() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace

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
    const ScopedPaint paint(handle_);
    DrawOn(paint.Dc());
}

// Drawn straight onto the window, shown or hidden, so that a window the drawing has yet to
// size, or one hidden in the tray, keeps its title-bar display and tray icon. The paint that
// the tick asked for is then done; only a window that changed its size is left to repaint.
void PanelDrawing::DrawNow() {
    RECT before{};
    GetWindowRect(handle_, &before);
    {
        const ScopedWindowDc dc(handle_);
        DrawOn(dc.Dc());
    }
    RECT after{};
    GetWindowRect(handle_, &after);
    if (after.right - after.left == before.right - before.left &&
        after.bottom - after.top == before.bottom - before.top) {
        ValidateRect(handle_, nullptr);
    }
}

void PanelDrawing::UseCaptionFont() {
    const Win32Appearance system;
    painter_.UseCaptionFont(system);
}

void PanelDrawing::ApplyBorderStyle() {
    window_.SetBorder(BorderForLayout(settings_.NewOrientation));
}

}  // namespace lw
