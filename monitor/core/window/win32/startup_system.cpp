#include "monitor/core/window/win32/startup_system.h"

#include <windows.h>

#include "monitor/core/sampling/win32/sampling_comm_port.h"
#include "monitor/forms/win32/application_window.h"

namespace lw {
namespace {

std::optional<WIN32_FILE_ATTRIBUTE_DATA> SystemFile(const std::string& name) {
    char directory[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    const std::string path = std::string(directory, length) + "\\" + name;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return data;
}

}  // namespace

bool Win32StartupSystem::IsWindows9xFamily() const {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

std::string Win32StartupSystem::ProgramPath() const {
    return Win32Application::ExeName();
}

// Without 8.3 names on the disk the short form is the long one.
std::string Win32StartupSystem::ShortProgramPath() const {
    const std::string path = ProgramPath();
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? path : std::string(shortPath, length);
}

bool Win32StartupSystem::StartedMinimizedNoActivate() const {
    return showCommand_ == SW_SHOWMINNOACTIVE;
}

std::optional<DayCount> Win32StartupSystem::SystemFileDate(const std::string& name) const {
    const auto file = SystemFile(name);
    FILETIME local = {};
    SYSTEMTIME time = {};
    if (!file || !FileTimeToLocalFileTime(&file->ftLastWriteTime, &local) ||
        !FileTimeToSystemTime(&local, &time)) {
        return std::nullopt;
    }
    return EncodeDateTime({time.wYear, time.wMonth, time.wDay},
                          {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds});
}

std::optional<std::uint64_t> Win32StartupSystem::SystemFileSize(const std::string& name) const {
    const auto file = SystemFile(name);
    if (!file) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(file->nFileSizeHigh) << 32) | file->nFileSizeLow;
}

void Win32StartupSystem::StartProgram(const std::string& commandLine) {
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}

// Without access rights the open tells whether the port is there and free, and touches
// nothing on its line.
bool Win32StartupSystem::TestPort(int port, PortState& state) {
    PortState read = state;
    read.BaudRate = 0;
    read.DataBits = 0;
    if (!QueryCommPort(port, read)) {
        return false;
    }
    state = read;
    return true;
}

}  // namespace lw
