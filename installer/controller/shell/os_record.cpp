#include "installer/controller/shell/os_record.h"

#include "installer/controller/text_case.h"

namespace aw {

std::string PlatformKey(std::int32_t platform) {
    return platform == kWin32s ? "" : "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
}

OsRecord MakeOsRecord(std::int32_t versionPlatform, std::uint32_t major, std::uint32_t minor,
                      const std::optional<std::string>& shellValue) {
    OsRecord record;
    switch (versionPlatform) {
        case kVersionNt:
            record.Platform = kWindowsNt;
            record.NewShell = major >= 4 || (major == 3 && minor > 50);
            record.ShellNotProgramManager =
                !EqualIgnoringCase(shellValue.value_or(""), "progman.exe");
            break;
        case kVersionWin32s:
            record.Platform = kWin32s;
            record.ShellNotProgramManager =
                !EqualIgnoringCase(shellValue.value_or(""), "progman.exe");
            break;
        default:
            record.Platform = kWindows95Family;
            break;
    }
    return record;
}

}  // namespace aw
