#include "installer/controller/win32/win32_version_library.h"

#include <windows.h>

#include <vector>

#include "installer/controller/install_paths.h"

namespace aw {

std::optional<FileVersionInfo> Win32VersionLibrary::Version(const std::string& path) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data())) {
        return std::nullopt;
    }
    void* fixed = nullptr;
    UINT fixedLength = 0;
    if (!VerQueryValueA(block.data(), "\\", &fixed, &fixedLength) ||
        fixedLength < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    FileVersionInfo version;
    version.FileType = info->dwFileType;
    version.FileSubtype = info->dwFileSubtype;
    version.VersionHigh = info->dwFileVersionMS;
    version.VersionLow = info->dwFileVersionLS;
    void* translation = nullptr;
    UINT translationLength = 0;
    if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation,
                       &translationLength) &&
        translationLength >= 4) {
        const auto* pair = static_cast<const WORD*>(translation);
        version.Language = pair[0];
        version.CodePage = pair[1];
    }
    return version;
}

bool Win32VersionLibrary::InUse(const std::string& path) {
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows) {
        return false;
    }
    std::string directory = DirectoryPart(path);
    std::string name = FileNamePart(path);
    char current[MAX_PATH];
    char destination[MAX_PATH];
    UINT currentLength = sizeof current;
    UINT destinationLength = sizeof destination;
    const DWORD result = VerFindFileA(0, name.data(), windows, directory.data(), current,
                                      &currentLength, destination, &destinationLength);
    return (result & VFF_FILEINUSE) != 0;
}

}  // namespace aw
