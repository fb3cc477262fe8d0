// The script's own dialogs: found by name, prepared into a description whose texts are
// substituted and whose controls are bound to the variables, and shown modally or as billboards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/script/host/event_support.h"
#include "installer/script/model/install_script.h"
#include "installer/ui/user_dialog.h"

namespace aw {

class ControllerServices;
class HostWindows;
class ScriptEnvironment;

inline constexpr char kUserDialogNotFoundMessage[] = "User dialog %s not found";
inline constexpr char kUserDialogErrorMessage[] = "Error evaluting user dialog %s";

// Fills `description` from the stored dialog; false when a text or variable cannot be resolved
// (substitution has shown its message; an unknown variable shows none).
bool PrepareDialog(const UserDialog& dialog, ScriptEnvironment& environment, ErrorReport& report,
                   DialogDescription& description);

// What an unattended run answers for a dialog: the value of its first closing button, or -1
// when it has none, as if it were closed with Escape.
std::int32_t DefaultDialogResult(const DialogDescription& dialog);

class UserDialogs : public ScriptDialogs {
  public:
    UserDialogs(const InstallScript& script, ScriptEnvironment& environment,
                ControllerServices& services, HostWindows& windows)
        : script_(script), environment_(environment), services_(services), windows_(windows) {}

    bool ShowUserDialog(const std::string& name, std::int32_t& result) override;

    std::int32_t BillboardCount() const;
    // Billboard n counts only billboards; n beyond the last does nothing.
    void ShowBillboard(std::int32_t index);
    void HideBillboard();
    bool BillboardShown();

  private:
    const InstallScript& script_;
    ScriptEnvironment& environment_;
    ControllerServices& services_;
    HostWindows& windows_;
};

}  // namespace aw
