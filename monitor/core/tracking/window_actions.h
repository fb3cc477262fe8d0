// What the tick asks of the main window.
#pragma once

namespace lw {

class WindowActions {
  public:
    virtual ~WindowActions() = default;
    // Puts the main window above (or back among) the other windows, without moving it.
    virtual void SetTopmost(bool topmost) = 0;
    // Repaints the caption of the window the title-bar display was last drawn on and of the
    // top-level owner of the foreground window, so that the display disappears from both.
    virtual void RemoveTitleBarDisplay() = 0;
    // Releases the line driver's hook and closes its handle, if it is open.
    virtual void ReleaseDriver() = 0;
    virtual void StopTimer() = 0;
    // Closes the main window the way the user's close does.
    virtual void CloseMainWindow() = 0;
    // Marks the whole panel for repainting, without erasing it.
    virtual void InvalidatePanel() = 0;
    // Paints the marked panel at once.
    virtual void DrawPanelNow() = 0;
    // The exit sequence has started (or ended).
    virtual bool IsClosing() const = 0;
};

}  // namespace lw
