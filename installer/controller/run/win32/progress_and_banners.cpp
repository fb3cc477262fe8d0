// The modeless windows of the run: the progress window with its Cancel, and the banners that
// say what the engine is busy with.
#include <windows.h>

#include "installer/controller/run/win32/win32_controller_windows.h"
#include "installer/languages/resource_numbers.h"
#include "installer/ui/win32/percentage_bar_window.h"

namespace aw {

namespace {

// Banners stand with their top left corner at this point of the install screen.
constexpr POINT kBannerPlace = {500, 500};

INT_PTR CALLBACK BannerProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

INT_PTR CALLBACK Win32ControllerWindows::ProgressProc(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<Win32ControllerWindows*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && self != nullptr) {
        self->cancelRequested_ = true;
        return TRUE;
    }
    return FALSE;
}

void Win32ControllerWindows::ShowProgressWindow(bool shown) {
    if (shown && progress_ == nullptr && library_.Loaded()) {
        RegisterPercentageBar();
        progress_ = CreateDialogParamA(library_.Instance(), "DLGPROGRESS", Owner(), ProgressProc,
                                       reinterpret_cast<LPARAM>(this));
        linesShown_ = false;
    }
    if (progress_ != nullptr) {
        ShowWindow(progress_, shown ? SW_SHOW : SW_HIDE);
    }
}

bool Win32ControllerWindows::ProgressWindowShown() {
    return progress_ != nullptr && IsWindowVisible(progress_);
}

void Win32ControllerWindows::SetProgressLines(const std::string& first, const std::string& second,
                                              const std::string& third) {
    if (progress_ == nullptr) {
        return;
    }
    pendingLines_ = {first, second, third};
    linesPending_ = true;
    if (linesPacer_.Due()) {
        ShowPendingLines();
    }
}

void Win32ControllerWindows::ShowPendingLines() {
    if (!linesPending_ || progress_ == nullptr) {
        return;
    }
    constexpr int kLineIds[] = {AW_ID_PROGRESS_FIRST_LINE, AW_ID_PROGRESS_SECOND_LINE,
                                AW_ID_PROGRESS_THIRD_LINE};
    for (std::size_t i = 0; i < pendingLines_.size(); ++i) {
        if (!linesShown_ || pendingLines_[i] != shownLines_[i]) {
            SetDlgItemTextA(progress_, kLineIds[i], pendingLines_[i].c_str());
            shownLines_[i] = pendingLines_[i];
        }
    }
    linesShown_ = true;
    linesPending_ = false;
}

void Win32ControllerWindows::SetProgressPercent(std::int32_t percent, const std::string& caption) {
    if (progress_ == nullptr) {
        return;
    }
    SendDlgItemMessageA(progress_, AW_ID_PROGRESS_BAR, kBarSetValue, static_cast<WPARAM>(percent),
                        0);
    SetWindowTextA(progress_, caption.c_str());
}

bool Win32ControllerWindows::TakeCancelRequest() {
    const bool requested = cancelRequested_;
    cancelRequested_ = false;
    return requested;
}

void Win32ControllerWindows::ShowBanner(std::int32_t slot, const std::string& title,
                                        const std::string& text) {
    HideBanner(slot);
    if (!library_.Loaded()) {
        return;
    }
    HWND banner = CreateDialogParamA(library_.Instance(), "DLGBANNER", Owner(), BannerProc, 0);
    if (banner == nullptr) {
        return;
    }
    SetWindowTextA(banner, title.c_str());
    SetDlgItemTextA(banner, AW_ID_BANNER_TEXT, text.c_str());
    POINT place = kBannerPlace;
    if (Owner() != nullptr) {
        ClientToScreen(Owner(), &place);
    }
    SetWindowPos(banner, HWND_TOP, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(banner);
    banners_[slot] = banner;
}

void Win32ControllerWindows::HideBanner(std::int32_t slot) {
    const auto found = banners_.find(slot);
    if (found != banners_.end()) {
        DestroyWindow(found->second);
        banners_.erase(found);
    }
}

}  // namespace aw
