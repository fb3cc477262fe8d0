// What the drawing needs from the system and from the main window. The Win32 side is in
// win32/; tests use fakes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/core/drawing/font_request.h"
#include "monitor/core/drawing/panel_size.h"
#include "monitor/core/drawing/recolour.h"
#include "monitor/core/drawing/title_display.h"
#include "monitor/core/drawing/tray_hint.h"
#include "monitor/core/settings/settings.h"

namespace lw {

// A bitmap loaded from the program's resources, ready to draw; freed with the object.
class Picture {
  public:
    virtual ~Picture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A GDI font; freed with the object.
class DrawingFont {
  public:
    virtual ~DrawingFont() = default;
};

// How a loaded bitmap is recoloured.
struct Recolouring {
    BitmapKind kind = BitmapKind::Background;
    KeyColours colours;
    bool etchedSeparator = false;
    friend bool operator==(const Recolouring&, const Recolouring&) = default;
};

class DrawingResources {
  public:
    virtual ~DrawingResources() = default;
    // Loads the bitmap resource `name` and replaces its key colours; null when the program
    // has no such bitmap.
    virtual std::unique_ptr<Picture> LoadPicture(const std::string& name,
                                                 const Recolouring& recolouring) = 0;
    // Copies the top left `width` x `height` pixels of `source` to (x, y) of `target`.
    virtual void DrawPicture(const Picture& source, Picture& target, int x, int y, int width,
                             int height) = 0;
    virtual int PixelsPerInch() const = 0;
    virtual std::unique_ptr<DrawingFont> MakeFont(const FontRequest& request) = 0;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

// The main window's client area during one drawing.
class PanelSurface {
  public:
    virtual ~PanelSurface() = default;
    virtual int ClientWidth() const = 0;
    virtual void Fill(Colour colour) = 0;
    // Text is drawn in `font` and `text` on an opaque `background`.
    virtual void UseFont(const DrawingFont& font, Colour text, Colour background) = 0;
    // The font's cell height.
    virtual int TextHeight() const = 0;
    virtual TextSize Measure(const std::string& text) const = 0;
    virtual void Text(int x, int y, const std::string& text) = 0;
    // Copies the top left `width` x `height` pixels of `picture` to (x, y).
    virtual void Copy(const Picture& picture, int x, int y, int width, int height) = 0;
};

// The main window itself.
class PanelWindow {
  public:
    virtual ~PanelWindow() = default;
    virtual SystemMetrics Metrics() const = 0;
    virtual int Width() const = 0;
    // The width of the window's caption text in the system's caption font.
    virtual int CaptionTextWidth() const = 0;
    // The colour the window's background is erased with (the nearest the display shows).
    virtual void SetColour(Colour colour) = 0;
    virtual void SetBorder(PanelBorder border) = 0;
    virtual void SetTopmost(bool topmost) = 0;
    // Sizes the window without moving it, changing its place among the others or
    // activating it.
    virtual void Resize(int width, int height) = 0;
    // Marks the whole window for repainting, without erasing it.
    virtual void Invalidate() = 0;
};

// A system window, kept opaque outside the adapters; 0 is none.
using CaptionWindowId = std::uintptr_t;

// A lamp picture placed onto a strip or panel.
struct PlacedLamp {
    const Picture* picture = nullptr;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The title-bar display's access to other programs' windows.
class CaptionWindows {
  public:
    virtual ~CaptionWindows() = default;
    // The top-level window of the foreground window (its parents climbed); 0 when none.
    virtual CaptionWindowId ForegroundTopLevel() const = 0;
    virtual CaptionWindowInfo Describe(CaptionWindowId window) const = 0;
    // Has the window repaint its frame and caption, wiping out the display.
    virtual void RepaintFrame(CaptionWindowId window) = 0;
    // Redraws the window's caption as active, which wipes out the display.
    virtual void RedrawCaption(CaptionWindowId window) = 0;
    // Copies `width` x `height` pixels of `strip` to (x, y) of the window, caption included.
    virtual void DrawStrip(CaptionWindowId window, const Picture& strip, int x, int y, int width,
                           int height) = 0;
    // Draws `text` in one line, right-aligned at `right` and centred between `top` and
    // `bottom`, on an opaque background.
    virtual void DrawTime(CaptionWindowId window, const std::string& text, int right, int top,
                          int bottom, const DrawingFont& font, Colour textColour,
                          Colour background) = 0;
};

// The notification-area icon as the drawing sets it.
class TrayIconTarget {
  public:
    virtual ~TrayIconTarget() = default;
    virtual void SetActive(bool active) = 0;
    virtual void SetHint(const std::string& hint) = 0;
    virtual void SetPicture(TrayPicture picture) = 0;
};

// What the drawing asks of the main window.
class PanelHost {
  public:
    virtual ~PanelHost() = default;
    // One of the monitor's message boxes or the about box is open.
    virtual bool ModalOpen() const = 0;
    // The settings dialog is open.
    virtual bool DialogOpen() const = 0;
    // The program is minimised (to the taskbar or the tray).
    virtual bool Minimized() const = 0;
    // Minimises the program, as the application's minimise does.
    virtual void MinimizeApplication() = 0;
    // Brings the program back as a double click on the tray icon does.
    virtual void RestoreFromTray() = 0;
    // Hides the application's taskbar window (tray mode).
    virtual void HideTaskbarWindow() = 0;
    // The settings dialog's transmitted and received labels: the session totals while the
    // carrier is up, empty otherwise.
    virtual void ShowSessionTraffic(std::int32_t transmitted, std::int32_t received) = 0;
    virtual void ClearSessionTraffic() = 0;
};

}  // namespace lw
