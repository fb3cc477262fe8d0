#include "monitor/core/drawing/win32/tray_icon_binding.h"

#include <windows.h>

#include "monitor/forms/win32/icon_image.h"

namespace lw {
namespace {

std::size_t IndexOf(TrayPicture picture) {
    return static_cast<std::size_t>((picture.number - 1) * 2 + (picture.connected ? 0 : 1));
}

}  // namespace

TrayIconBinding::TrayIconBinding(TPGTrayIcon95& tray) : tray_(tray) {
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    for (int number = 1; number <= 4; ++number) {
        for (const bool connected : {true, false}) {
            const TrayPicture picture{number, connected};
            icons_[IndexOf(picture)].SetImage(
                LoadIconResource(TrayIconName(picture), width, height));
        }
    }
}

void TrayIconBinding::SetActive(bool active) {
    if (tray_.Active() != active) {
        tray_.SetActive(active);
    }
}

void TrayIconBinding::SetHint(const std::string& hint) {
    tray_.SetHint(hint);
}

void TrayIconBinding::SetPicture(TrayPicture picture) {
    if (shown_ == picture) {
        return;
    }
    shown_ = picture;
    tray_.SetIcon(IconOf(picture));
}

const Icon& TrayIconBinding::IconOf(TrayPicture picture) const {
    return icons_[IndexOf(picture)];
}

}  // namespace lw
