// What the install screen asks of the controller that owns it, in the order the screen
// uses it. The controller implements it; the screen never owns it.
#pragma once

#include <windows.h>

#include <string>

namespace aw {

class ScreenInterface {
  public:
    virtual ~ScreenInterface() = default;

    // Picture files; an empty name or a file that cannot be loaded shows no picture.
    virtual std::string MetafilePictureFile() = 0;
    virtual std::string BackgroundPictureFile() = 0;
    virtual std::string BitmapPictureFile() = 0;

    // The picture buttons' commands. `focus` is the window that gave up the focus to the
    // button, so that the controller can hand it back.
    virtual void ExitCommand(HWND focus) = 0;
    virtual void HelpCommand(HWND focus) = 0;
    virtual void MinimiseCommand() = 0;

    // The language library: the button bitmaps and the gauge's template come from it.
    virtual HINSTANCE ResourceInstance() = 0;

    // Every window message that the screen does not handle itself. A controller that does
    // not take it over leaves the messages to the default window handling.
    virtual LRESULT ScreenMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

}  // namespace aw
