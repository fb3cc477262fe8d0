// The desktop-wide calls of the tray icon, and the clock, cursor and keys it reads.
#pragma once

#include "monitor/tray/tray_system.h"

namespace lw {

// The hidden owner window is a popup of the class "TPGApplication", 50 by 50 pixels at the
// centre of the screen, never shown, one for the whole process.
class Win32TrayDesktop : public TrayDesktop {
  public:
    WindowHandle HiddenOwnerWindow() override;
    bool HiddenOwnerWindowExists() const override;
    void LockUpdate() override;
    void UnlockUpdate() override;
    bool MinimizeAnimation() const override;
    void SetMinimizeAnimation(bool on) override;
    void ForegroundDesktop() override;
};

class Win32Ticks : public TickSource {
  public:
    std::uint32_t TickCount() const override;
};

class Win32PointerState : public PointerState {
  public:
    ScreenPoint CursorPos() const override;
    ShiftState Shift() const override;
};

}  // namespace lw
