// What the tray icon needs from the system besides the forms: the notification area, the
// clock, the mouse and keys, a few desktop-wide calls, icon files and resources, and hidden
// windows for its messages and its timer. The Win32 side is in win32/; tests use fakes.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "monitor/forms/handler.h"
#include "monitor/forms/icon.h"
#include "monitor/forms/shift_state.h"
#include "monitor/forms/system_window.h"

namespace lw {

// The request record of the notification area (its first, 88-byte version on the 32-bit
// system): which icon, which window hears about the mouse, and what to show.
struct NotifyIconRecord {
    WindowHandle window = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    WindowHandle icon = 0;
    char tip[64] = {};  // at most 63 characters and the terminator
};

enum class NotifyRequest { Add, Modify, Delete };

class NotifyArea {
  public:
    virtual ~NotifyArea() = default;
    // The shell's answer: true when it did what was asked.
    virtual bool Send(NotifyRequest request, const NotifyIconRecord& record) = 0;
};

class TickSource {
  public:
    virtual ~TickSource() = default;
    // Milliseconds since the system started; wraps around after about 49.7 days.
    virtual std::uint32_t TickCount() const = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

class PointerState {
  public:
    virtual ~PointerState() = default;
    virtual ScreenPoint CursorPos() const = 0;
    // Shift, Alt and Ctrl and the three mouse buttons, as the keyboard state has them now.
    virtual ShiftState Shift() const = 0;
};

class TrayDesktop {
  public:
    virtual ~TrayDesktop() = default;
    // The hidden owner window shared by every tray icon of the process, made on first need.
    // Throws when the system refuses its window class.
    virtual WindowHandle HiddenOwnerWindow() = 0;
    virtual bool HiddenOwnerWindowExists() const = 0;
    // Stops (and starts again) the repainting of the whole desktop.
    virtual void LockUpdate() = 0;
    virtual void UnlockUpdate() = 0;
    // The system's animation of minimised windows.
    virtual bool MinimizeAnimation() const = 0;
    virtual void SetMinimizeAnimation(bool on) = 0;
    // Makes the desktop window the foreground window.
    virtual void ForegroundDesktop() = 0;
};

// An icon file that cannot be opened.
class IconFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class IconLoader {
  public:
    virtual ~IconLoader() = default;
    // Throws IconFileError when the file cannot be opened, another error when it is no icon.
    virtual std::shared_ptr<const IconImage> FromFile(const std::string& path) = 0;
    // The program's icon resource `name` at 16 by 16 pixels in default colours; throws when
    // there is none.
    virtual std::shared_ptr<const IconImage> FromResource(const std::string& name) = 0;
};

// Receives the messages of a hidden window.
class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    virtual std::intptr_t OnMessage(unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
};

// A hidden top-level window whose messages go to a MessageTarget.
class MessageWindow {
  public:
    virtual ~MessageWindow() = default;
    virtual WindowHandle Handle() const = 0;
    virtual void Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// A system timer that ticks through the message loop.
class SystemTimer {
  public:
    virtual ~SystemTimer() = default;
    virtual void Start(unsigned milliseconds) = 0;
    virtual void Stop() = 0;
};

class TrayWindows {
  public:
    virtual ~TrayWindows() = default;
    virtual std::unique_ptr<MessageWindow> CreateMessageWindow(MessageTarget& target) = 0;
    virtual std::unique_ptr<SystemTimer> CreateTimer(Handler<> onTick) = 0;
};

struct TrayServices {
    NotifyArea& shell;
    const TickSource& ticks;
    const PointerState& pointer;
    TrayDesktop& desktop;
    IconLoader& icons;
    TrayWindows& windows;
};

}  // namespace lw
