// What the installer knows of the operating system, filled once at start: which platform, and
// which shell the Program Manager operations will meet.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace aw {

enum Platform : std::int32_t {
    kWindowsNt = 0,
    kWindows95Family = 1,
    kWin32s = 2,
};

struct OsRecord {
    std::int32_t Platform = kWindows95Family;
    // The shell with the Start menu (Windows 95 and NT 4 on).
    bool NewShell = true;
    bool ShellNotProgramManager = true;
    bool operator==(const OsRecord&) const = default;
};

// The system's own platform numbers, as the version call reports them.
enum VersionPlatform : std::int32_t {
    kVersionWin32s = 0,
    kVersionWindows = 1,
    kVersionNt = 2,
};

// The key below HKEY_LOCAL_MACHINE that holds the platform's settings; empty on Win32s.
std::string PlatformKey(std::int32_t platform);

// From the version call's platform and version, and the "Shell" value under the platform key's
// "WinLogon" (none when missing). Only Windows NT can run Program Manager as its shell.
OsRecord MakeOsRecord(std::int32_t versionPlatform, std::uint32_t major, std::uint32_t minor,
                      const std::optional<std::string>& shellValue);

}  // namespace aw
