#include "installer/controller/win32/win32_system_changes.h"

#include <windows.h>

#include <algorithm>

#include "installer/controller/install_paths.h"

#include "installer/controller/win32/win32_registry_access.h"

namespace aw {

std::string Win32ShortPaths::ShortForm(const std::string& path) {
    char shortPath[MAX_PATH];
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return length == 0 || length >= sizeof shortPath ? path : std::string(shortPath, length);
}

std::string Win32ShortPaths::LongForm(const std::string& path) {
    const std::string root = PathRoot(path);
    if (root.empty()) {
        return path;
    }
    std::string result = root;
    for (std::size_t at = root.size(); at < path.size();) {
        const std::size_t end = std::min(path.find('\\', at), path.size());
        std::string part = path.substr(at, end - at);
        WIN32_FIND_DATAA found;
        const HANDLE search = part.find_first_of("*?") == std::string::npos
                                  ? FindFirstFileA(JoinPath(result, part).c_str(), &found)
                                  : INVALID_HANDLE_VALUE;
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            part = found.cFileName;
        }
        result = JoinPath(result, part);
        at = end + 1;
    }
    return result;
}

bool Win32FontTable::AddFont(const std::string& file) {
    return AddFontResourceA(file.c_str()) > 0;
}

bool Win32FontTable::RemoveFont(const std::string& file) {
    return RemoveFontResourceA(file.c_str()) != FALSE;
}

void Win32FontTable::AnnounceFontChange() {
    // A hung window must not hold the installation up.
    SendMessageTimeoutA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
}

bool Win32ServerRegistration::StartHidden(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    std::string command = commandLine;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool Win32ServerRegistration::CallRegisterServer(const std::string& file) {
    const HMODULE library = LoadLibraryA(file.c_str());
    if (library == nullptr) {
        return false;
    }
    using RegisterServer = HRESULT(WINAPI*)();
    const auto entry = reinterpret_cast<RegisterServer>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
    if (entry != nullptr) {
        entry();
    }
    FreeLibrary(library);
    return entry != nullptr;
}

OsRecord ReadOsRecord() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) {
        return OsRecord{};
    }
    const auto platform = static_cast<std::int32_t>(version.dwPlatformId);
    const std::int32_t ours = platform == kVersionNt       ? kWindowsNt
                              : platform == kVersionWin32s ? kWin32s
                                                           : kWindows95Family;
    std::optional<std::string> shell;
    Win32RegistryAccess registry;
    if (const std::optional<RegistryValue> value =
            registry.ReadValue({kLocalMachine, PlatformKey(ours) + "\\WinLogon"}, "Shell");
        value && (value->Type == REG_SZ || value->Type == REG_EXPAND_SZ)) {
        shell = std::string(value->Data.begin(), value->Data.end());
        shell->resize(shell->find('\0') == std::string::npos ? shell->size() : shell->find('\0'));
    }
    return MakeOsRecord(platform, version.dwMajorVersion, version.dwMinorVersion, shell);
}

}  // namespace aw
