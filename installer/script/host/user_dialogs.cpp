#include "installer/script/host/user_dialogs.h"

#include <algorithm>

#include "installer/controller/run/controller_services.h"
#include "installer/controller/text_case.h"
#include "installer/script/host/event_fields.h"
#include "installer/script/host/host_windows.h"
#include "installer/script/host/script_facts.h"
#include "installer/script/variables/script_environment.h"

namespace aw {
namespace {

// The caption's buffer holds 2048 bytes; the texts of a control, a text variable's 256.
constexpr std::size_t kCaptionSize = 2048;
constexpr std::size_t kControlTextSize = 2048;

bool Substitute(ScriptEnvironment& environment, const std::string& text, std::string& result) {
    return EventFields(environment).Expand(text, kControlTextSize, result);
}

bool PrepareControl(const DialogControl& stored, ScriptEnvironment& environment,
                    DialogControlDescription& control) {
    control.Kind = stored.Values[0];
    std::copy(stored.Values.begin() + 1, stored.Values.end(), control.Values.begin());
    control.Picture = stored.Picture;
    switch (control.KindOf()) {
        case DialogControlKind::Text:
        case DialogControlKind::ClosingButton:
            return Substitute(environment, stored.Texts[1], control.MainText);
        case DialogControlKind::TextBox:
            control.TextBinding = environment.TextVariableNamed(stored.Texts[1]);
            return control.TextBinding != nullptr;
        case DialogControlKind::List:
            control.IntegerBinding = environment.IntegerVariable(stored.Texts[1]);
            return control.IntegerBinding != nullptr &&
                   Substitute(environment, stored.Texts[2], control.Label);
        case DialogControlKind::FileBox:
            return EventFields(environment)
                .Expand(stored.Texts[0], kFixedTextSize, control.FilePath);
        default:
            return true;
    }
}

const UserDialog* FindDialog(const InstallScript& script, const std::string& name) {
    for (const auto& dialog : script.UserDialogs.Dialogs) {
        if (EqualIgnoringCase(dialog->Name, name)) {
            return dialog.get();
        }
    }
    return nullptr;
}

}  // namespace

bool PrepareDialog(const UserDialog& dialog, ScriptEnvironment& environment, ErrorReport& report,
                   DialogDescription& description) {
    std::copy(dialog.Values.begin(), dialog.Values.begin() + 5, description.Values.begin());
    if (dialog.Controls.Size() > kMaxDialogControls) {
        report.CheckFailed("AWTEST", __LINE__);
    }
    if (!EventFields(environment).Expand(dialog.Caption, kCaptionSize, description.Caption)) {
        return false;
    }
    description.Controls.clear();
    for (const auto& stored : dialog.Controls) {
        if (description.Controls.size() == kMaxDialogControls) {
            break;
        }
        DialogControlDescription control;
        if (!PrepareControl(*stored, environment, control)) {
            return false;
        }
        description.Controls.push_back(std::move(control));
    }
    return true;
}

std::int32_t DefaultDialogResult(const DialogDescription& dialog) {
    for (const auto& control : dialog.Controls) {
        if (control.KindOf() == DialogControlKind::ClosingButton) {
            return control.ClosingValue();
        }
    }
    return -1;
}

bool UserDialogs::ShowUserDialog(const std::string& name, std::int32_t& result) {
    const UserDialog* dialog = FindDialog(script_, name);
    if (dialog == nullptr) {
        environment_.ReportError(kUserDialogNotFoundMessage, name);
        return false;
    }
    DialogDescription description;
    if (!PrepareDialog(*dialog, environment_, services_, description)) {
        environment_.ReportError(kUserDialogErrorMessage, dialog->Name);
        result = -1;
        return true;
    }
    if (services_.Unattended()) {
        result = DefaultDialogResult(description);
        return true;
    }
    result = windows_.RunUserDialog(description).value_or(-1);
    return true;
}

std::int32_t UserDialogs::BillboardCount() const {
    return static_cast<std::int32_t>(Billboards(script_).size());
}

void UserDialogs::ShowBillboard(std::int32_t index) {
    const auto billboards = Billboards(script_);
    if (index < 0 || static_cast<std::size_t>(index) >= billboards.size()) {
        return;
    }
    DialogDescription description;
    if (!PrepareDialog(*billboards[static_cast<std::size_t>(index)], environment_, services_,
                       description)) {
        environment_.ReportError(kUserDialogErrorMessage,
                                 billboards[static_cast<std::size_t>(index)]->Name);
        return;
    }
    windows_.ShowBillboard(description);
}

void UserDialogs::HideBillboard() {
    windows_.HideBillboard();
}

bool UserDialogs::BillboardShown() {
    return windows_.BillboardShown();
}

}  // namespace aw
