#include "installer/script/host/win32/win32_host_windows.h"

#include <utility>

#include "installer/languages/resource_numbers.h"
#include "installer/languages/win32/language_library.h"

namespace aw {
namespace {

struct WelcomeRun {
    const std::string& title;
    const std::string& text;
};

INT_PTR CALLBACK WelcomeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto* run = reinterpret_cast<const WelcomeRun*>(lParam);
            SetWindowTextA(window, run->title.c_str());
            SetDlgItemTextA(window, AW_ID_WELCOME_TEXT, run->text.c_str());
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDCANCEL:
                case AW_ID_WELCOME_SETTINGS:
                    EndDialog(window, LOWORD(wParam));
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

Win32HostWindows::Win32HostWindows(HostWindowsOwner& owner) : owner_(owner) {}

Win32HostWindows::~Win32HostWindows() {
    CloseSearchWindow();
    DestroyInstallScreen();
}

HWND Win32HostWindows::Owner() const {
    return screen_ != nullptr ? screen_->Window() : nullptr;
}

bool Win32HostWindows::CreateInstallScreen(const ScreenLayout& layout, const std::string& title) {
    layout_ = &layout;
    ScreenInterface& controller = *this;
    screen_ = std::make_unique<InstallScreen>(layout, controller);
    if (!screen_->Create(title) || !screen_->Realise()) {
        screen_.reset();
        return false;
    }
    return true;
}

void Win32HostWindows::DestroyInstallScreen() {
    billboard_.Close();
    if (screen_ != nullptr) {
        screen_->Destroy();
        screen_.reset();
    }
}

std::optional<std::int32_t> Win32HostWindows::RunUserDialog(const DialogDescription& dialog) {
    const std::optional<int> result = aw::RunUserDialog(Owner(), dialog, *this);
    if (!result) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*result);
}

bool Win32HostWindows::ShowBillboard(const DialogDescription& dialog) {
    return billboard_.Show(Owner(), dialog, *this);
}

void Win32HostWindows::HideBillboard() {
    billboard_.Close();
}

bool Win32HostWindows::BillboardShown() {
    return billboard_.Window() != nullptr;
}

WelcomeAnswer Win32HostWindows::AskWelcome(const std::string& title, const std::string& text) {
    WelcomeRun run{title, text};
    const INT_PTR answer = DialogBoxParamA(owner_.ResourceInstance(), "DLGWELCOME", Owner(),
                                           WelcomeProc, reinterpret_cast<LPARAM>(&run));
    switch (answer) {
        case IDOK:
            return WelcomeAnswer::Continue;
        case AW_ID_WELCOME_SETTINGS:
            return WelcomeAnswer::Settings;
        default:
            return WelcomeAnswer::Exit;
    }
}

void Win32HostWindows::ShowSettings(const std::string& title, const std::string& text) {
    MessageBoxA(Owner(), text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

bool Win32HostWindows::RunComponentSelection(const std::vector<ComponentItem*>& topLevel,
                                             const std::string& freeSpace) {
    return RunComponentDialog(owner_.ResourceInstance(), Owner(), topLevel, freeSpace);
}

INT_PTR CALLBACK Win32HostWindows::SearchProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        auto* self = reinterpret_cast<Win32HostWindows*>(GetWindowLongPtrA(window, DWLP_USER));
        self->searchCancelled_ = true;
        EnableWindow(GetDlgItem(window, IDCANCEL), FALSE);
        return TRUE;
    }
    return FALSE;
}

void Win32HostWindows::OpenSearchWindow(const std::string& pattern) {
    CloseSearchWindow();
    searchCancelled_ = false;
    const HINSTANCE resources = owner_.ResourceInstance();
    search_ = CreateDialogParamA(resources, "DLGSEARCH", Owner(), SearchProc,
                                 reinterpret_cast<LPARAM>(this));
    if (search_ == nullptr) {
        return;
    }
    const std::string text = LibraryText(resources, AW_TXT_SEARCHING) + " " + pattern;
    SetDlgItemTextA(search_, AW_ID_SEARCH_TEXT, text.c_str());
    ShowWindow(search_, SW_SHOW);
    UpdateWindow(search_);
}

bool Win32HostWindows::SearchCancelled() {
    return searchCancelled_;
}

void Win32HostWindows::CloseSearchWindow() {
    if (search_ != nullptr) {
        DestroyWindow(search_);
        search_ = nullptr;
    }
}

std::string Win32HostWindows::MetafilePictureFile() {
    return layout_ == nullptr ? std::string() : owner_.PictureFile(layout_->Metafile.File.Value());
}

std::string Win32HostWindows::BackgroundPictureFile() {
    return layout_ == nullptr ? std::string()
                              : owner_.PictureFile(layout_->BitmapSource.File.Value());
}

std::string Win32HostWindows::BitmapPictureFile() {
    return layout_ == nullptr ? std::string()
                              : owner_.PictureFile(layout_->Bitmap.Source.File.Value());
}

bool Win32HostWindows::TakeExitRequest() {
    return std::exchange(exitRequested_, false);
}

void Win32HostWindows::ExitCommand(HWND focus) {
    exitRequested_ = owner_.ExitCommand() || exitRequested_;
    if (focus != nullptr && IsWindow(focus)) {
        SetFocus(focus);
    }
}

void Win32HostWindows::HelpCommand(HWND focus) {
    owner_.HelpCommand();
    if (focus != nullptr && IsWindow(focus)) {
        SetFocus(focus);
    }
}

void Win32HostWindows::MinimiseCommand() {
    if (Owner() != nullptr) {
        ShowWindow(Owner(), SW_MINIMIZE);
    }
}

// A kind-4 button of a script dialog shows how the installation is set up.
void Win32HostWindows::RunEngineDialog(HWND owner) {
    MessageBoxA(owner, owner_.SettingsText().c_str(), owner_.ProductTitle().c_str(),
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace aw
