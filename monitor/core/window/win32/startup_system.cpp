#include "monitor/core/window/win32/startup_system.h"

#include <windows.h>

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
    std::string path(MAX_PATH, '\0');
    while (true) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
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
    const std::string name = "COM" + std::to_string(port);
    const HANDLE handle =
        CreateFileA(name.c_str(), 0, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    state.BaudRate = 0;
    state.DataBits = 0;
    DCB control = {};
    control.DCBlength = sizeof control;
    if (GetCommState(handle, &control)) {
        state.BaudRate = control.BaudRate;
        state.DataBits = control.ByteSize;
        state.Parity = control.Parity;
        state.StopBits = control.StopBits;
    }
    CloseHandle(handle);
    return true;
}

}  // namespace lw
