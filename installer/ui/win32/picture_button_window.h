// A picture button of the install screen (class "wndclassawgadbtn"): its up or down bitmap
// stretched over it, and its command sent to the screen when a press ends over it.
#pragma once

#include <windows.h>

#include "installer/ui/picture_button.h"
#include "installer/ui/screen_geometry.h"
#include "installer/ui/win32/gdi_handles.h"

namespace aw {

class PictureButtonWindow {
  public:
    // A child of `screen`. The command goes to the screen as WM_COMMAND with the command
    // in wParam and, in lParam, the window that gave up the focus to the button.
    PictureButtonWindow(HWND screen, HINSTANCE bitmaps, const PictureButtonKind& kind,
                        const PixelRect& place);
    ~PictureButtonWindow();
    PictureButtonWindow(const PictureButtonWindow&) = delete;
    PictureButtonWindow& operator=(const PictureButtonWindow&) = delete;

    bool Created() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    void Place(const PixelRect& place);

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void Redraw();
    bool PointerOver(LPARAM position) const;

    const PictureButtonKind kind_;
    GdiObject<HBITMAP> up_;
    GdiObject<HBITMAP> down_;
    PictureButtonPress press_;
    HWND focusGiver_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace aw
