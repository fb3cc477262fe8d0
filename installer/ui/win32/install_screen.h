// The install screen: the window (class "wndclassawbk") that covers the desktop during an
// installation, drawn from the script's screen layout, with its three picture buttons and
// the activity gauge. It owns every other window of the run.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "installer/script/model/screen_layout.h"
#include "installer/ui/win32/activity_gauge_window.h"
#include "installer/ui/win32/picture_button_window.h"
#include "installer/ui/win32/pictures.h"
#include "installer/ui/win32/screen_interface.h"

namespace aw {

class InstallScreen {
  public:
    // Both must outlive the screen: the layout belongs to the loaded script, the interface
    // to the controller.
    InstallScreen(const ScreenLayout& layout, ScreenInterface& controller);
    ~InstallScreen();
    InstallScreen(const InstallScreen&) = delete;
    InstallScreen& operator=(const InstallScreen&) = delete;

    // Makes and shows the window, captioned with the product name. False when it cannot be
    // made, or when its size is the picture's and the picture cannot be loaded.
    bool Create(const std::string& productName);
    // Adds the visible buttons and the gauge; false when one of them cannot be made.
    bool Realise();
    // One step of activity for the gauge.
    void GaugePulse();
    // Closes the gauge, the buttons and the window.
    void Destroy();

    HWND Window() const { return window_; }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void LoadPictures();
    void Paint();
    void PaintBackground(HDC dc, const RECT& area, PixelSize client);
    void PaintPictures(HDC dc, PixelSize client);
    void PaintTitles(HDC dc, PixelSize client);
    void PlaceButtons();
    void OnButtonCommand(int command, HWND focus);
    PixelSize ClientSize() const;

    const ScreenLayout& layout_;
    ScreenInterface& controller_;
    LoadedBitmap background_;
    LoadedBitmap bitmap_;
    LoadedMetafile metafile_;
    // Exit, help and minimise, each when visible.
    std::array<std::unique_ptr<PictureButtonWindow>, 3> buttons_;
    std::unique_ptr<ActivityGaugeWindow> gauge_;
    HWND window_ = nullptr;
};

}  // namespace aw
