#include "monitor/forms/win32/icon_image.h"

namespace lw {

std::shared_ptr<const IconImage> LoadIconResource(const std::string& name, int width, int height) {
    const HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, width,
                                   height, LR_DEFAULTCOLOR);
    if (icon == nullptr) {
        return nullptr;
    }
    return std::make_shared<Win32IconImage>(static_cast<HICON>(icon));
}

}  // namespace lw
