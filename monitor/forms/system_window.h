// What the forms need from the window system: the windows under the application and its
// forms, and the message loop. The Win32 side lives in win32/; tests use fakes.
#pragma once

#include <cstdint>
#include <string>

namespace lw {

class PopupMenu;

// A system window handle, kept opaque outside the adapters.
using WindowHandle = std::uintptr_t;

enum class ShowCommand {
    Hide,
    ShowNormal,      // shown, activated, restored to its normal size and place
    Show,            // shown and activated as it is
    ShowNoActivate,  // shown as it is, leaving the active window alone
    Minimize,
    Restore,  // shown, activated, out of its minimised or maximised state
};

// One top-level window of the program.
class SystemWindow {
  public:
    virtual ~SystemWindow() = default;
    virtual WindowHandle Handle() const = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsMinimized() const = 0;
    virtual bool IsEnabled() const = 0;
    virtual bool IsTopmost() const = 0;
    virtual void Show(ShowCommand command) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void SetText(const std::string& text) = 0;
    // Brings the window to the foreground and activates it.
    virtual void BringToForeground() = 0;
    // Makes it the active window of the program, without pushing it to the foreground.
    virtual void Activate() = 0;
    // Puts the window under `owner` (0: under nobody). An owned window has no taskbar button
    // and stays above its owner; this is also how the application window is hidden from the
    // taskbar.
    virtual void SetOwner(WindowHandle owner) = 0;
    // Posts `message` with zero parameters.
    virtual void Post(unsigned message) = 0;
};

// The message loop and the few shared services of the window system.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    // Runs every message already waiting; false when the quit message was among them.
    virtual bool ProcessMessages() = 0;
    // Waits for the next message and runs it; false when it is the quit message.
    virtual bool HandleMessage() = 0;
    virtual void PostQuit() = 0;
    // Shows `menu` at the screen point (x, y) and returns when it closes; the chosen item is
    // clicked later from the message loop (Application::MenuCommand).
    virtual void TrackPopupMenu(const PopupMenu& menu, int x, int y) = 0;
    // The error box for an error that no handler caught.
    virtual void ShowError(const std::string& title, const std::string& text) = 0;
};

}  // namespace lw
