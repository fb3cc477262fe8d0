// The script host's windows through Win32: the install screen, the script's dialogs and
// billboards, and the welcome, settings, component and search dialogs of the language library.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "installer/script/host/host_windows.h"
#include "installer/ui/win32/install_screen.h"
#include "installer/ui/win32/screen_interface.h"
#include "installer/ui/win32/user_dialog_window.h"

namespace aw {

// What the windows ask of the host: the language library, the picture files and the screen's
// button commands.
class HostWindowsOwner {
  public:
    virtual ~HostWindowsOwner() = default;
    virtual HINSTANCE ResourceInstance() = 0;
    // A picture named in the script: the copy beside the installer when there is one.
    virtual std::string PictureFile(const std::string& name) = 0;
    // The abort query; true when the user wants to leave.
    virtual bool ExitCommand() = 0;
    virtual void HelpCommand() = 0;
    // What the installation-settings box says, and its title.
    virtual std::string SettingsText() = 0;
    virtual std::string ProductTitle() = 0;
};

// The component dialog of the language library over `owner`; true when confirmed.
bool RunComponentDialog(HINSTANCE resources, HWND owner,
                        const std::vector<ComponentItem*>& topLevel, const std::string& freeSpace);

class Win32HostWindows : public HostWindows, private ScreenInterface, private UserDialogHost {
  public:
    explicit Win32HostWindows(HostWindowsOwner& owner);
    ~Win32HostWindows() override;

    bool CreateInstallScreen(const ScreenLayout& layout, const std::string& title) override;
    void DestroyInstallScreen() override;
    bool TakeExitRequest() override;
    std::optional<std::int32_t> RunUserDialog(const DialogDescription& dialog) override;
    bool ShowBillboard(const DialogDescription& dialog) override;
    void HideBillboard() override;
    bool BillboardShown() override;
    WelcomeAnswer AskWelcome(const std::string& title, const std::string& text) override;
    void ShowSettings(const std::string& title, const std::string& text) override;
    bool RunComponentSelection(const std::vector<ComponentItem*>& topLevel,
                               const std::string& freeSpace) override;
    void OpenSearchWindow(const std::string& pattern) override;
    bool SearchCancelled() override;
    void CloseSearchWindow() override;

    // The window that owns the dialogs: the install screen, or none before it exists.
    HWND Owner() const;

  private:
    // ScreenInterface.
    std::string MetafilePictureFile() override;
    std::string BackgroundPictureFile() override;
    std::string BitmapPictureFile() override;
    void ExitCommand(HWND focus) override;
    void HelpCommand(HWND focus) override;
    void MinimiseCommand() override;
    HINSTANCE ResourceInstance() override { return owner_.ResourceInstance(); }
    // UserDialogHost.
    void RunEngineDialog(HWND owner) override;

    static INT_PTR CALLBACK SearchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HostWindowsOwner& owner_;
    const ScreenLayout* layout_ = nullptr;
    std::unique_ptr<InstallScreen> screen_;
    Billboard billboard_;
    HWND search_ = nullptr;
    bool searchCancelled_ = false;
    bool exitRequested_ = false;
};

}  // namespace aw
