#include "installer/controller/run/win32/win32_machine.h"

#include <windows.h>

#include "installer/controller/run/controller_services.h"

namespace aw {

std::string Win32Machine::ProgramPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

void Win32Machine::SuppressErrorBoxes() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

DriveType Win32Machine::DriveTypeOf(const std::string& root) {
    switch (GetDriveTypeA(root.empty() ? nullptr : root.c_str())) {
        case DRIVE_REMOVABLE:
            return DriveType::Removable;
        case DRIVE_FIXED:
            return DriveType::Fixed;
        case DRIVE_REMOTE:
            return DriveType::Remote;
        case DRIVE_CDROM:
            return DriveType::CdRom;
        case DRIVE_RAMDISK:
            return DriveType::Other;
        default:
            return DriveType::Unknown;
    }
}

std::uint32_t Win32Machine::Ticks() {
    return GetTickCount();
}

void Win32Machine::WindowsVersion(std::int32_t& major, std::int32_t& minor) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    major = static_cast<std::int32_t>(info.dwMajorVersion);
    minor = static_cast<std::int32_t>(info.dwMinorVersion);
}

std::int32_t Win32Machine::ProcessorFamily() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return static_cast<std::int32_t>(info.dwProcessorType);
}

}  // namespace aw
