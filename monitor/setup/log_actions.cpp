#include "monitor/setup/log_actions.h"

#include "monitor/core/tracking/connection_log_text.h"

namespace lw {
namespace {

const char* Extension(MonitorLog log) {
    return log == MonitorLog::Ring ? "RI" : "DCD";
}

std::string InDirectory(const std::string& directory, const std::string& name) {
    if (!directory.empty() && directory.back() == '\\') {
        return directory + name;
    }
    return directory + "\\" + name;
}

}  // namespace

std::optional<std::string> FindLogEditor(const std::string& editorName, const SetupSystem& system) {
    std::optional<std::string> editor;
    if (editorName.empty()) {
        editor = system.AssociatedProgram(InDirectory(system.WindowsDirectory(), "win.ini"));
    } else if (system.FileExists(editorName)) {
        editor = editorName;
    }
    if (!editor) {
        return std::nullopt;
    }
    const std::optional<std::string> shortPath = system.ShortPath(*editor);
    if (!shortPath) {
        return std::nullopt;
    }
    return *shortPath + " ";
}

std::optional<std::string> LogActions::Editor() {
    std::optional<std::string> editor = FindLogEditor(settings_.EditorName, system_);
    if (!editor) {
        boxes_.Show("Can not find editor for log files", MessageIcon::Error, MessageButtons::Ok);
    }
    return editor;
}

void LogActions::ShowLog(MonitorLog log) {
    const std::optional<std::string> editor = Editor();
    if (!editor) {
        return;
    }
    const std::string program = system_.ProgramPath();
    const std::string shortProgram = system_.ShortPath(program).value_or(program);
    system_.StartProgram(*editor + LogFileBeside(shortProgram, Extension(log)));
}

void LogActions::DeleteLog(MonitorLog log) {
    const std::string path = LogFileBeside(system_.ProgramPath(), Extension(log));
    std::unique_ptr<OpenedFile> file = system_.OpenForReading(path);
    if (!file) {
        boxes_.Show(std::string("Can not find the log file LINEWINK.") + Extension(log),
                    MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    const char* question =
        log == MonitorLog::Ring ? "Delete RI Log file?" : "Delete Connect Log file?";
    const MessageAnswer answer =
        boxes_.Show(question, MessageIcon::Warning, MessageButtons::OkCancel);
    file.reset();
    if (answer == MessageAnswer::Ok) {
        system_.RemoveFile(path);
    }
}

void LogActions::ShowModemLog() {
    const std::optional<std::string> editor = Editor();
    if (!editor) {
        return;
    }
    const std::optional<std::string> log = system_.ShortPath(settings_.ModemLogName);
    if (!log) {
        boxes_.Show("Can not find log file", MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    system_.StartProgram(*editor + *log);
}

}  // namespace lw
