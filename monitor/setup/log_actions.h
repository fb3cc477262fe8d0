// The connection and ring logs beside the program, the modem's log, and the editor that
// shows them.
#pragma once

#include <optional>
#include <string>

#include "monitor/core/boxes/message_box.h"
#include "monitor/core/settings/settings.h"
#include "monitor/setup/setup_services.h"

namespace lw {

enum class MonitorLog { Ring, Connection };

// The start of the editor's command line: the short path of "EditorName", which must be an
// existing file, or of the program the system opens "win.ini" with, followed by a blank;
// nothing when there is no such editor.
std::optional<std::string> FindLogEditor(const std::string& editorName, const SetupSystem& system);

class LogActions {
  public:
    LogActions(const MonitorSettings& settings, SetupSystem& system, MessageBoxes& boxes)
        : settings_(settings), system_(system), boxes_(boxes) {}

    // Opens the log in the editor; whether it exists is the editor's business.
    void ShowLog(MonitorLog log);
    // Asks first; the file is closed again whatever the answer.
    void DeleteLog(MonitorLog log);
    // Opens "ModemLogName" in the editor.
    void ShowModemLog();

  private:
    std::optional<std::string> Editor();

    const MonitorSettings& settings_;
    SetupSystem& system_;
    MessageBoxes& boxes_;
};

}  // namespace lw
