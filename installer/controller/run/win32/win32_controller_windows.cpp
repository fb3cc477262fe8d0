#include "installer/controller/run/win32/win32_controller_windows.h"

#include "installer/controller/win32/pending_messages.h"

namespace aw {

Win32ControllerWindows::~Win32ControllerWindows() {
    for (const auto& [slot, banner] : banners_) {
        DestroyWindow(banner);
    }
    if (progress_ != nullptr) {
        DestroyWindow(progress_);
    }
    DestroyIconWindow();
    FreeProgramIcon();
}

bool Win32ControllerWindows::LoadLanguage(const std::string& path) {
    library_ = LanguageLibrary(path);
    return library_.Loaded();
}

void Win32ControllerWindows::FreeLanguage() {
    // Windows made from the library's templates go with it.
    for (const auto& [slot, banner] : banners_) {
        DestroyWindow(banner);
    }
    banners_.clear();
    if (progress_ != nullptr) {
        DestroyWindow(progress_);
        progress_ = nullptr;
    }
    library_ = LanguageLibrary();
}

HWND Win32ControllerWindows::Owner() const {
    return screen_ != nullptr && IsWindow(screen_) ? screen_ : nullptr;
}

// The copy offers a turn for every block it expands: see MessagePacer.
void Win32ControllerWindows::ProcessMessages() {
    if (messagePacer_.Due()) {
        ShowPendingLines();
        RunPendingMessages();
    }
}

void Win32ControllerWindows::Wait(std::uint32_t milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    RunPendingMessages();
}

}  // namespace aw
