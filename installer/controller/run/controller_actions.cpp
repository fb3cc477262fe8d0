// The services that change the machine or talk to the user on the script's behalf: files and
// system changes through the Installer, started programs, the completion status and its
// dialog, message boxes and questions, and the information banners.
#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/controller_texts.h"
#include "installer/controller/run/install_controller.h"
#include "installer/controller/run/result_codes.h"
#include "installer/languages/resource_numbers.h"

namespace aw {

namespace {

// The banner texts by kind, and the slot that the message window takes besides them.
constexpr std::uint32_t kBannerTexts[] = {AW_TXT_BANNER_FIRST, AW_TXT_BANNER_SECOND,
                                          AW_TXT_BANNER_THIRD, AW_TXT_BANNER_UNINSTALLER};
constexpr std::int32_t kMessageWindowSlot = 4;

}  // namespace

void InstallController::SetUndoClass(std::int32_t undoClass) {
    installer_.SetUndoClass(undoClass);
}

bool InstallController::FileExists(const std::string& path) {
    return system_.files.Attributes(path).has_value();
}

bool InstallController::RenameFile(const std::string& from, const std::string& to) {
    return installer_.RenameFile(from, to);
}

bool InstallController::CopyPlainFile(const std::string& from, const std::string& to) {
    return installer_.CopyPlainFile(from, to);
}

bool InstallController::DeletePath(const std::string& path) {
    const std::optional<std::uint32_t> attributes = system_.files.Attributes(path);
    if (attributes && (*attributes & kDirectory) != 0) {
        return installer_.RemoveTree(path);
    }
    return installer_.RemoveFile(path);
}

bool InstallController::MakeDirectory(const std::string& path) {
    return installer_.MakeDirectory(path) == kDirectoryReady;
}

bool InstallController::WriteIni(const IniRequest& request) {
    const bool written = installer_.WriteIni(request);
    systemIniChanged_ = systemIniChanged_ || installer_.SystemIniChanged();
    return written;
}

bool InstallController::WriteRegistry(const RegistryValueRequest& request) {
    return installer_.WriteRegistryValue(request);
}

bool InstallController::CreateItem(const ItemRequest& request) {
    return installer_.CreateItemFromEvent(request);
}

bool InstallController::DeleteItem(const std::string& group, const std::string& item) {
    return installer_.DeleteItem(group, item);
}

bool InstallController::DeleteGroup(const std::string& group) {
    return installer_.DeleteGroup(group);
}

bool InstallController::ExecuteProgram(ExecuteRequest& request) {
    if (!request.WorkingDirectory.empty()) {
        system_.files.ChangeDirectory(request.WorkingDirectory);
    }
    if (!system_.machine.Execute(request)) {
        ReportFormatted(message::kCannotExecute, request.CommandLine.c_str());
        return false;
    }
    return true;
}

CompletionAnswer InstallController::SetCompletion(CompletionRequest& request) {
    fileReplacedAtRestart_ = fileReplacedAtRestart_ || installer_.FileReplacedAtRestart();
    systemIniChanged_ = systemIniChanged_ || installer_.SystemIniChanged();
    std::int32_t status =
        CompletionStatusOfKind(request.Kind, fileReplacedAtRestart_ || systemIniChanged_);
    if (request.ShowDialog != 0) {
        status = CompletionDialog(status);
    }
    request.Status = status;
    if (!request.StoreInVariable) {
        result_ = status;
    }
    return request.EndNow != 0 ? CompletionAnswer::Stop : CompletionAnswer::Continue;
}

std::int32_t InstallController::CompletionDialog(std::int32_t status) {
    Box box;
    box.Template = system_.windows.LanguageLoaded() ? BoxTemplate::Message : BoxTemplate::Plain;
    box.Title = Text(AW_TXT_COMPLETED_TITLE);
    box.Buttons = {"OK"};
    switch (status) {
        case result::kInstalled:
            box.Text = InsertIntoText(Text(AW_TXT_COMPLETED), productName_);
            break;
        case result::kFailed:
            box.Title = Text(AW_TXT_ABORTING_TITLE);
            box.Text = Text(AW_TXT_ABORTING);
            break;
        default:
            box.Text =
                InsertIntoText(Text(status == result::kRestartWindows ? AW_TXT_RESTART_WINDOWS
                                                                      : AW_TXT_RESTART_DOS),
                               productName_);
            box.Buttons = {Text(AW_TXT_RESTART_BUTTON), Text(AW_TXT_STAY_BUTTON)};
            box.PlainStyle = plain::kOkCancel;
            break;
    }
    // "Stay here": the user restarts later, so nothing is asked of the starting program.
    if (Ask(box) == 1 && box.Buttons.size() == 2) {
        return result::kInstalled;
    }
    return status;
}

bool InstallController::ShowMessage(MessageRequest& request) {
    Box box;
    box.Template = system_.windows.LanguageLoaded() ? BoxTemplate::Message : BoxTemplate::Plain;
    box.Title = productName_;
    box.Text = request.Text;
    box.Buttons = {"OK"};
    box.PlainStyle = static_cast<std::uint32_t>(request.Style);
    Ask(box);
    return true;
}

bool InstallController::AskThreeButtons(MessageRequest& request) {
    Box box;
    box.Template = BoxTemplate::Question;
    box.Title = Text(AW_TXT_QUESTION_TITLE);
    box.Text = request.Text;
    box.Buttons = {Text(AW_TXT_QUESTION_FIRST), Text(AW_TXT_QUESTION_SECOND),
                   Text(AW_TXT_QUESTION_THIRD)};
    for (;;) {
        const std::int32_t answer = Ask(box);
        if (answer == 0 || answer == 1) {
            request.Answer = answer == 0 ? 1 : 0;
            return true;
        }
        if (AbortQuery()) {
            return false;
        }
    }
}

bool InstallController::PromptText(PromptRequest& request) {
    if (unattended_) {
        request.Answer = request.Initial;
        return true;
    }
    return system_.windows.Prompt(request);
}

bool InstallController::AskUserInfo(UserInfoRequest& request) {
    return unattended_ || system_.windows.AskUserInfo(request);
}

void InstallController::ShowBanner(BannerKind kind) {
    const auto slot = static_cast<std::int32_t>(kind);
    if (slot < 0 || slot >= kMessageWindowSlot) {
        CheckFailed("ICTRLLER", __LINE__);
        return;
    }
    if (!unattended_) {
        system_.windows.ShowBanner(slot, productName_, Text(kBannerTexts[slot]));
    }
}

void InstallController::HideBanner(BannerKind kind) {
    system_.windows.HideBanner(static_cast<std::int32_t>(kind));
}

void InstallController::ShowMessageWindow(const MessageWindowRequest& request) {
    if (!unattended_) {
        system_.windows.ShowBanner(kMessageWindowSlot, request.Title, request.Text);
    }
}

void InstallController::HideMessageWindow() {
    system_.windows.HideBanner(kMessageWindowSlot);
}

}  // namespace aw
