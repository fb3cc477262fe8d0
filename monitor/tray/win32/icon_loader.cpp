#include "monitor/tray/win32/icon_loader.h"

#include <windows.h>

#include "monitor/forms/win32/icon_image.h"

namespace lw {

// A file that does not open is told apart from one that opens but holds no icon.
std::shared_ptr<const IconImage> Win32IconLoader::FromFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw IconFileError("Cannot open file " + path);
    }
    CloseHandle(file);
    const HANDLE icon =
        LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE);
    if (icon == nullptr) {
        throw std::runtime_error("Not an icon: " + path);
    }
    return std::make_shared<Win32IconImage>(static_cast<HICON>(icon));
}

std::shared_ptr<const IconImage> Win32IconLoader::FromResource(const std::string& name) {
    auto icon = LoadIconResource(name, 16, 16);
    if (icon == nullptr) {
        throw std::runtime_error("Icon resource not found: " + name);
    }
    return icon;
}

}  // namespace lw
