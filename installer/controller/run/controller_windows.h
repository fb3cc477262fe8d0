// The install controller's windows: the language library, message boxes and the engine's
// dialogs, the progress window, banners, the icon window, the program icon and help. The Win32
// side is in win32/; tests answer them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/controller/copy_host.h"
#include "installer/controller/run/controller_services.h"

namespace aw {

// Which of the engine's dialogs shows a box; Plain is the system's message box, used while no
// language library is loaded.
enum class BoxTemplate { Plain, Message, Question, Error, InsertDisk };

struct Box {
    BoxTemplate Template = BoxTemplate::Plain;
    // Empty: the system's default title.
    std::string Title;
    std::string Text;
    // The labels of the buttons, first to last: 1 to 3 of them. The answer is the position of
    // the button pressed (from 0); closing the box answers the last button.
    std::vector<std::string> Buttons;
    // The position of the default button.
    std::int32_t Default = 0;
    // The system's box of a plain one: its buttons and icon, as the system numbers them.
    std::uint32_t PlainStyle = 0;
};

// Styles of plain boxes.
namespace plain {
inline constexpr std::uint32_t kOk = 0x0;
inline constexpr std::uint32_t kOkCancel = 0x1;
inline constexpr std::uint32_t kYesNo = 0x4;
inline constexpr std::uint32_t kRetryCancel = 0x5;
inline constexpr std::uint32_t kQuestionIcon = 0x20;
inline constexpr std::uint32_t kSecondIsDefault = 0x100;
}  // namespace plain

class ControllerWindows {
  public:
    virtual ~ControllerWindows() = default;

    // The language library; texts and templates come from it while it is loaded.
    virtual bool LoadLanguage(const std::string& path) = 0;
    virtual void FreeLanguage() = 0;
    virtual bool LanguageLoaded() = 0;
    // The text of that number; "NO SUCH STRING!!!" when the library lacks it.
    virtual std::string LanguageText(std::uint32_t number) = 0;

    // Shows the box and waits for the answer.
    virtual std::int32_t ShowBox(const Box& box) = 0;
    // A run that nobody watches shows no box: its messages go to standard error instead.
    virtual void TellUnattended(const std::string& message) = 0;
    virtual bool Prompt(PromptRequest& request) = 0;
    virtual bool AskUserInfo(UserInfoRequest& request) = 0;
    // The overwrite dialog "DLGAOW" for the file on the machine and the one to install.
    virtual OverwriteChoice AskOverwrite(const std::string& existingFile,
                                         const std::string& newFile) = 0;

    // The progress window: three lines, the bar with the caption, and Cancel.
    virtual void ShowProgressWindow(bool shown) = 0;
    virtual bool ProgressWindowShown() = 0;
    virtual void SetProgressLines(const std::string& first, const std::string& second,
                                  const std::string& third) = 0;
    virtual void SetProgressPercent(std::int32_t percent, const std::string& caption) = 0;
    // True once after the user pressed Cancel in the progress window.
    virtual bool TakeCancelRequest() = 0;

    // Modeless banners, one per slot, placed with their top left at the point (500, 500) of
    // the install screen.
    virtual void ShowBanner(std::int32_t slot, const std::string& title,
                            const std::string& text) = 0;
    virtual void HideBanner(std::int32_t slot) = 0;

    // The program icon: the file when it loads, else the program's own.
    virtual void LoadProgramIcon(const std::string& file) = 0;
    virtual void FreeProgramIcon() = 0;
    // The invisible window that stands for the installation in the task list.
    virtual bool CreateIconWindow(const std::string& title) = 0;
    virtual void SetIconWindowTitle(const std::string& title) = 0;
    virtual bool IconWindowVisible() = 0;
    virtual void DestroyIconWindow() = 0;

    virtual void OpenHelp(const std::string& file) = 0;
    virtual void CloseHelp() = 0;

    virtual void ProcessMessages() = 0;
    // Lets window messages run for about that long.
    virtual void Wait(std::uint32_t milliseconds) = 0;
};

}  // namespace aw
