// The install controller's windows on the system: the language library, the engine's dialogs
// from its templates (plain message boxes while none is loaded), the modeless progress window
// and banners, the icon window "wndclassic" and help.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <string>

#include "installer/controller/run/controller_windows.h"
#include "installer/controller/win32/pending_messages.h"
#include "installer/languages/win32/language_library.h"

namespace aw {

// The class of the icon window that stands for the installation in the task list.
inline constexpr char kIconWindowClass[] = "wndclassic";
// The icon window's menu command that opens help.
inline constexpr WPARAM kHelpCommand = 200;
// Posted to the install screen (as wParam of a null message) by the icon window's close
// command: the screen treats it as its own close request.
inline constexpr WPARAM kScreenCloseRequest = 2;

class Win32ControllerWindows : public ControllerWindows {
  public:
    explicit Win32ControllerWindows(HINSTANCE program) : program_(program) {}
    ~Win32ControllerWindows() override;
    Win32ControllerWindows(const Win32ControllerWindows&) = delete;
    Win32ControllerWindows& operator=(const Win32ControllerWindows&) = delete;

    // The library's instance, for the windows that take their templates and bitmaps from it.
    HINSTANCE ResourceInstance() const { return library_.Instance(); }
    // The install screen: owner of the dialogs, where banners are placed, and what the icon
    // window brings back.
    void SetInstallScreen(HWND screen) { screen_ = screen; }
    HWND IconWindow() const { return iconWindow_; }
    HWND ProgressWindow() const { return progress_; }
    HICON ProgramIcon() const { return icon_; }

    bool LoadLanguage(const std::string& path) override;
    void FreeLanguage() override;
    bool LanguageLoaded() override { return library_.Loaded(); }
    std::string LanguageText(std::uint32_t number) override { return library_.Text(number); }

    std::int32_t ShowBox(const Box& box) override;
    void TellUnattended(const std::string& message) override;
    bool Prompt(PromptRequest& request) override;
    bool AskUserInfo(UserInfoRequest& request) override;
    OverwriteChoice AskOverwrite(const std::string& existingFile,
                                 const std::string& newFile) override;

    void ShowProgressWindow(bool shown) override;
    bool ProgressWindowShown() override;
    void SetProgressLines(const std::string& first, const std::string& second,
                          const std::string& third) override;
    void SetProgressPercent(std::int32_t percent, const std::string& caption) override;
    bool TakeCancelRequest() override;

    void ShowBanner(std::int32_t slot, const std::string& title, const std::string& text) override;
    void HideBanner(std::int32_t slot) override;

    void LoadProgramIcon(const std::string& file) override;
    void FreeProgramIcon() override;
    bool CreateIconWindow(const std::string& title) override;
    void SetIconWindowTitle(const std::string& title) override;
    bool IconWindowVisible() override;
    void DestroyIconWindow() override;

    void OpenHelp(const std::string& file) override { helpFile_ = file; }
    void CloseHelp() override;

    void ProcessMessages() override;
    void Wait(std::uint32_t milliseconds) override;

  private:
    static INT_PTR CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK IconWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The icon window's commands.
    void BringBackScreen();
    void OpenHelpContents();
    HWND Owner() const;
    // Puts the lines last given into the progress window, those that changed.
    void ShowPendingLines();

    HINSTANCE program_;
    LanguageLibrary library_;
    HWND screen_ = nullptr;
    HWND progress_ = nullptr;
    bool cancelRequested_ = false;
    // The copy names every file it starts; the window shows the newest names at each turn
    // for messages, which is when it is drawn, rather than each name as it comes.
    std::array<std::string, 3> pendingLines_;
    std::array<std::string, 3> shownLines_;
    bool linesPending_ = false;
    bool linesShown_ = false;
    MessagePacer linesPacer_;
    MessagePacer messagePacer_;
    std::map<std::int32_t, HWND> banners_;
    HICON icon_ = nullptr;
    bool iconFromFile_ = false;
    HWND iconWindow_ = nullptr;
    std::string helpFile_;
    bool helpShown_ = false;
};

}  // namespace aw
