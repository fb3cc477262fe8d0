#include "installer/controller/run/win32/win32_controller_system.h"

namespace aw {

Win32ControllerSystem::Win32ControllerSystem(HINSTANCE program, const OsRecord& os)
    : services_(os), windows_(program), system_{files_,         versions_,
                                                decompression_, services_.Services(),
                                                logFiles_,      machine_,
                                                windows_} {}

Win32ControllerWindows* Win32WindowsOf(ControllerSystem& system) {
    return dynamic_cast<Win32ControllerWindows*>(&system.windows);
}

}  // namespace aw
