// Everything a tray icon needs from Win32, in one place.
#pragma once

#include "monitor/tray/tray_system.h"
#include "monitor/tray/win32/icon_loader.h"
#include "monitor/tray/win32/notify_area.h"
#include "monitor/tray/win32/tray_desktop.h"
#include "monitor/tray/win32/tray_windows.h"

namespace lw {

struct Win32TrayServices {
    Win32NotifyArea shell;
    Win32Ticks ticks;
    Win32PointerState pointer;
    Win32TrayDesktop desktop;
    Win32IconLoader icons;
    Win32TrayWindows windows;

    TrayServices Services() { return {shell, ticks, pointer, desktop, icons, windows}; }
};

}  // namespace lw
