// The main window's drawing: the lamp panel, the title-bar display on the foreground
// window's caption and the tray icon's picture and hint.
//
// How the main window uses it
// ---------------------------
// The main window makes one PanelDrawing once its window exists (its frame from
// InitialPanelBounds(settings) in ../panel_size.h, then ApplyBorderStyle) and keeps it to
// the end of Shutdown, where destroying it deletes the bitmaps, the two GDI fonts and the
// memory device contexts. It hands over:
//
//     WM_PAINT        drawing.Paint()                  (BeginPaint and EndPaint inside)
//     WM_ERASEBKGND   drawing.EraseBackground(dc)      (true: answer 1)
//     WM_SIZE         drawing.OnResize()
//
// and, for the tick's WindowActions, DrawPanelNow -> drawing.DrawNow() and
// RemoveTitleBarDisplay -> drawing.RemoveTitleBarDisplay(). Further calls: MakeGdiFonts() at
// creation and whenever a font setting changes (also after OpenSetup's Cancel, with
// ApplyBorderStyle()); ForgetTitleBarWindow() at creation; UseCaptionFont() on
// WM_WININICHANGE and for the settings dialog's "Reset Font"; SetPanelHeight() when
// ApplyTitleBar shrinks the panel. The tray icon: make a TrayIconBinding
// (tray_icon_binding.h) on the tray component, which loads the eight modem icons, and hand it
// to SetTrayIcon(). Shutdown's caption repaint finds its window with
// ForegroundTopLevelWindow() (caption_windows.h).
//
// What the drawing needs of the main window comes through PanelHost (../drawing_services.h).
// The bitmaps and icons are the resources of monitor/resources/line_wink.rc, which the
// program links (target monitor_resources).
#pragma once

#include <windows.h>

#include "monitor/core/drawing/panel_painter.h"
#include "monitor/core/drawing/win32/caption_windows.h"
#include "monitor/core/drawing/win32/gdi_resources.h"
#include "monitor/core/drawing/win32/panel_window.h"

namespace lw {

class PanelDrawing {
  public:
    // `window` is the main window; the records, host, sampler and clock outlive this.
    PanelDrawing(HWND window, DrawingRecords records, PanelHost& host, LineSampler& sampler,
                 const Clock& clock);

    // Draws the panel for WM_PAINT.
    void Paint();
    // Draws at once, for the tick, whether the window is shown or not.
    void DrawNow();
    bool EraseBackground(HDC dc) const { return window_.EraseBackground(dc); }
    void OnResize() { painter_.OnResize(); }

    void MakeGdiFonts() { painter_.MakeGdiFonts(); }
    void UseCaptionFont();
    // A single border for the large layouts, a sizeable one for the others.
    void ApplyBorderStyle();
    void RemoveTitleBarDisplay() { painter_.RemoveTitleBarDisplay(); }
    void ForgetTitleBarWindow() { painter_.ForgetTitleBarWindow(); }
    HWND TitleBarWindow() const { return reinterpret_cast<HWND>(painter_.TitleBarWindow()); }

    int PanelHeight() const { return painter_.PanelHeight(); }
    void SetPanelHeight(int height) { painter_.SetPanelHeight(height); }
    void SetTrayIcon(TrayIconTarget* tray) { painter_.SetTrayIcon(tray); }
    // Gives the tray icon its picture and hint now, as a drawing would.
    void UpdateTrayIcon() { painter_.UpdateTrayIcon(); }

    const GdiResources& Resources() const { return resources_; }

  private:
    void DrawOn(HDC dc);

    HWND handle_;
    MonitorSettings& settings_;
    GdiResources resources_;
    GdiPanelWindow window_;
    GdiCaptionWindows captions_;
    PanelPainter painter_;
};

}  // namespace lw
