// The install controller's system on Windows: one object that owns every adapter and hands
// them out as a ControllerSystem.
#pragma once

#include <windows.h>

#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/win32/win32_controller_windows.h"
#include "installer/controller/run/win32/win32_machine.h"
#include "installer/controller/win32/win32_decompression_library.h"
#include "installer/controller/win32/win32_file_system.h"
#include "installer/controller/win32/win32_system_services.h"
#include "installer/controller/win32/win32_version_library.h"
#include "installer/oplog/win32/log_files.h"

namespace aw {

class Win32ControllerSystem {
  public:
    // `program` is the running program's instance; `os` the operating-system record.
    Win32ControllerSystem(HINSTANCE program, const OsRecord& os);
    Win32ControllerSystem(const Win32ControllerSystem&) = delete;
    Win32ControllerSystem& operator=(const Win32ControllerSystem&) = delete;

    ControllerSystem& System() { return system_; }
    Win32ControllerWindows& Windows() { return windows_; }

  private:
    Win32FileSystem files_;
    Win32VersionLibrary versions_;
    Win32DecompressionLibrary decompression_;
    Win32SystemServices services_;
    Win32LogFiles logFiles_;
    Win32Machine machine_;
    Win32ControllerWindows windows_;
    ControllerSystem system_;
};

// The Win32 windows behind a system that a Win32ControllerSystem made, for the Win32 parts of
// the script host (the install screen owns the controller's dialogs); null for any other.
Win32ControllerWindows* Win32WindowsOf(ControllerSystem& system);

}  // namespace aw
