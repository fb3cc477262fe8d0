#include "installer/oplog/uninstall/uninstall_controller.h"

#include <algorithm>

#include "installer/controller/copy_host.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"
#include "installer/oplog/uninstall/record_undo.h"
#include "installer/oplog/uninstall/undo_log.h"
#include "installer/oplog/uninstall/uninstall_paths.h"
#include "installer/script/model/error_report.h"
#include "installer/script/variables/messages.h"

namespace aw {

namespace {

// Unattended, nobody confirms and nothing closes a dialog.
class NoObserver : public UndoObserver {
  public:
    bool WantsConfirmation() override { return false; }
    bool CanClose() override { return true; }
    void Begin() override {}
    void End() override {}
    void BeforeRecord(std::size_t) override {}
    void AfterRecord(std::size_t) override {}
};

bool Left(const LogRecord& record) {
    return record.State == RecordState::WillUndo || record.State == RecordState::UndoFailed;
}

}  // namespace

UninstallController::UninstallController(const UninstallParts& parts, bool unattended)
    : parts_(parts), unattended_(unattended) {}

std::string UninstallController::RootDirectory() const {
    return PathRoot(ownDirectory_);
}

bool UninstallController::Initialise() {
    FileSystem& files = parts_.installer.Services().files;
    const std::string program = parts_.system.ProgramPath();
    ownDirectory_ = DirectoryPart(program);
    stage_ = IsSecondStageDirectory(ownDirectory_) ? 1 : 0;
    int number = 0;
    if (stage_ == 0) {
        const std::optional<int> newest = NewestLogNumber(
            ownDirectory_,
            [&files](const std::string& path) { return files.Attributes(path).has_value(); });
        if (!newest) {
            parts_.report.ReportError(kNoLogFileMessage);
            return false;
        }
        number = *newest;
    } else {
        const std::optional<std::string> back =
            parts_.system.WinIniEntry(kHandOverSection, kHandOverBackDirectory);
        if (!back || back->empty()) {
            parts_.report.ReportError(kBackDirUndefinedMessage);
            return false;
        }
        backDirectory_ = *back;
        parts_.system.DeleteWinIniSection(kHandOverSection);
    }
    logPath_ = ArchivedLogPath(ownDirectory_, number);
    std::optional<UndoLog> log = ReadUndoLog(parts_.logFiles, logPath_, parts_.report);
    if (!log) {
        if (stage_ == 1) {
            ReturnUnread();
        }
        return false;
    }
    dialogStyle_ = log->Header.DialogStyle;
    language_ = log->Header.Language;
    pacing_ = log->Header.UndoPacing;
    productName_ = log->Header.ProductName;
    records_ = std::move(log->Records);
    partialLog_ = log->WholeRecordsBeforeCut;
    if (stage_ == 0 && number == 0) {
        HandOver();
        return false;
    }
    return true;
}

void UninstallController::HandOver() {
    UninstallSystem& system = parts_.system;
    system.WriteWinIniEntry(kHandOverSection, kHandOverBackDirectory, ownDirectory_);
    const std::string root = RootDirectory();
    if (!MoveCompanions(ownDirectory_, root)) {
        system.DeleteWinIniSection(kHandOverSection);
        return;
    }
    if (unattended_ && RunSecondStageHere(root)) {
        return;
    }
    if (!WriteMovexeIni(root, "1") || !system.StartMovexe(unattended_)) {
        parts_.report.ReportError(kUnableToLaunchMovexeMessage);
        MoveCompanions(root, ownDirectory_);
        system.DeleteWinIniSection(kHandOverSection);
        return;
    }
    handedOver_ = true;
}

// A second stage that cannot read its log would leave the program and its companions in the
// root, with nothing that starts them: everything goes back to the back directory, where the
// uninstall can be tried again. The log's language is unknown, so its library is found by name.
void UninstallController::ReturnUnread() {
    FileSystem& files = parts_.installer.Services().files;
    for (int language = 0; language <= kLastLanguage; ++language) {
        if (files.Attributes(JoinPath(ownDirectory_, "aw" + LanguageCode(language) + ".dll"))) {
            language_ = language;
            break;
        }
    }
    BackOut();
}

// Unattended, the command must not return before the work is done, yet "movexe.exe" waits for
// this program to end: where the system lets a running program's file be moved (not the Windows
// 95 family), the program moves itself into the root, runs the second stage there and waits for
// it. Only its own file is left, for the second stage's "movexe.exe" to remove once it ends.
bool UninstallController::RunSecondStageHere(const std::string& root) {
    FileSystem& files = parts_.installer.Services().files;
    const std::string program = parts_.system.ProgramPath();
    const std::string moved = JoinPath(root, FileNamePart(program));
    if (files.Attributes(moved) || !files.MoveFileTo(program, moved)) {
        return false;
    }
    const std::optional<int> exit = parts_.system.RunAndWait("\"" + moved + "\" /S");
    if (!exit) {
        files.MoveFileTo(moved, program);
        return false;
    }
    handedOver_ = true;
    secondStageExit_ = *exit;
    return true;
}

// Moves the companion files between the two stages' directories; on a failure the ones moved
// go back, so that both directories are as they were.
bool UninstallController::MoveCompanions(const std::string& from, const std::string& to) {
    FileSystem& files = parts_.installer.Services().files;
    std::vector<std::string> moved;
    for (const std::string& name : CompanionFiles(FileNamePart(logPath_), language_)) {
        const std::string source = JoinPath(from, name);
        const std::string target = JoinPath(to, name);
        bool ok = true;
        if (!files.Attributes(source)) {
            if (name == kOptionalCompanion) {
                continue;
            }
            parts_.report.ReportError(WithArgument(kNotFoundMessage, source));
            ok = false;
        } else if (files.Attributes(target) && !files.RemoveFile(target)) {
            ok = false;
        } else {
            ok = files.MoveFileTo(source, target);
        }
        if (!ok) {
            for (const std::string& back : moved) {
                files.MoveFileTo(JoinPath(to, back), JoinPath(from, back));
            }
            return false;
        }
        moved.push_back(name);
    }
    return true;
}

// "movexe.ini" in the Windows directory: the program's own file, where it goes (none: away)
// and whether it starts there.
bool UninstallController::WriteMovexeIni(const std::string& target, const char* start) {
    FileSystem& files = parts_.installer.Services().files;
    ShortPaths& paths = parts_.installer.Services().system.shortPaths;
    const std::string ini = JoinPath(files.WindowsDirectory(), "movexe.ini");
    return files.WriteProfileEntry(ini, "x", "f", paths.ShortForm(parts_.system.ProgramPath())) &&
           files.WriteProfileEntry(ini, "x", "t", target.empty() ? "" : paths.ShortForm(target)) &&
           files.WriteProfileEntry(ini, "x", "x", start);
}

int UninstallController::Run() {
    const std::string library = JoinPath(ownDirectory_, "aw" + LanguageCode(language_) + ".dll");
    if (!parts_.view.LoadLanguage(library)) {
        parts_.report.ReportError(kUnableToLoadLanguageMessage);
        return 1;
    }
    DialogEnd end = DialogEnd::Cancelled;
    UndoUser& user = parts_.user;
    if (!partialLog_ || unattended_ ||
        user.AskYesNo(PartialLogQuestion(*partialLog_), user.Text(undotext::kConfirmTitle))) {
        parts_.installer.ConnectShell();
        end = unattended_ ? RunUnattended() : RunDialogs();
        parts_.installer.DisconnectShell(false);
    }
    parts_.view.FreeLanguage();
    const bool done = end == DialogEnd::Done;
    const bool finished = done ? Finish() : BackOut();
    return finished && (done || !unattended_) ? 0 : 1;
}

DialogEnd UninstallController::RunDialogs() {
    for (;;) {
        const DialogEnd end = parts_.view.RunDialog(dialogStyle_, *this);
        if (end != DialogEnd::SwitchView) {
            return end;
        }
        dialogStyle_ = dialogStyle_ == 0 ? 1 : 0;
    }
}

// Unattended, changes that could not be undone keep the uninstall information, so that a
// later run can try again.
DialogEnd UninstallController::RunUnattended() {
    NoObserver observer;
    RunPass(observer);
    const std::size_t failed = static_cast<std::size_t>(
        std::count_if(records_.begin(), records_.end(),
                      [](const LogRecord& r) { return r.State == RecordState::UndoFailed; }));
    if (failed > 0) {
        parts_.report.ReportError(WithArgument(kChangesLeftMessage, std::to_string(failed)));
        return DialogEnd::Cancelled;
    }
    return DialogEnd::Done;
}

void UninstallController::CleanUp() {
    records_.clear();
}

std::size_t UninstallController::RecordsLeft() const {
    return static_cast<std::size_t>(std::count_if(records_.begin(), records_.end(), Left));
}

void UninstallController::StartCommand(UndoObserver& observer) {
    if (runState_ == RunState::Running) {
        stopRequested_ = true;
        return;
    }
    RunPass(observer);
}

void UninstallController::RunPass(UndoObserver& observer) {
    const auto last = std::find_if(records_.rbegin(), records_.rend(), [](const LogRecord& r) {
        return r.State == RecordState::WillUndo;
    });
    if (last == records_.rend()) {
        return;
    }
    UndoUser& user = parts_.user;
    if (!passRan_ && observer.WantsConfirmation() &&
        !user.AskYesNo(InsertIntoText(user.Text(undotext::kConfirm), productName_),
                       user.Text(undotext::kConfirmTitle))) {
        return;
    }
    passRan_ = true;
    runState_ = RunState::Running;
    stopRequested_ = false;
    observer.Begin();
    for (auto n = static_cast<std::size_t>(records_.rend() - last); n-- > 0 && !stopRequested_;) {
        LogRecord& record = records_[n];
        if (record.State != RecordState::WillUndo) {
            continue;
        }
        const std::uint32_t started = parts_.clock.Milliseconds();
        observer.BeforeRecord(n);
        bool declined = false;
        const bool undone = UndoRecord(record, parts_.installer, user, &declined);
        record.State = undone ? RecordState::Undone : RecordState::UndoFailed;
        if (declined && unattended_) {
            // Nobody was there to agree to removing what the installation did not make: it stays,
            // and the rest of the uninstall goes on.
            record.State = RecordState::UndoOptional;
        } else if (!undone && unattended_) {
            parts_.report.ReportError(parts_.installer.LastError());
        }
        observer.AfterRecord(n);
        Pace(started);
    }
    runState_ = stopRequested_ ? RunState::Stopped : RunState::Completed;
    observer.End();
}

// At least the log's pacing per undone record, so that a person can follow; nobody watches an
// unattended run.
void UninstallController::Pace(std::uint32_t started) {
    if (unattended_ || pacing_ <= 0) {
        return;
    }
    const auto pacing = static_cast<std::uint32_t>(pacing_);
    for (std::uint32_t spent = 0; !stopRequested_ && spent < pacing;) {
        parts_.clock.RunMessagesFor(pacing - spent);
        spent = parts_.clock.Milliseconds() - started;
    }
}

std::optional<DialogEnd> UninstallController::CloseCommand(UndoObserver& observer) {
    if (!observer.CanClose()) {
        return std::nullopt;
    }
    if (runState_ == RunState::Running) {
        stopRequested_ = true;
        return std::nullopt;
    }
    if (!passRan_) {
        return DialogEnd::Cancelled;
    }
    if (RecordsLeft() == 0) {
        return DialogEnd::Done;
    }
    switch (parts_.user.AskQuit()) {
        case QuitAnswer::Finish:
            return DialogEnd::Done;
        case QuitAnswer::BackOut:
            return DialogEnd::Cancelled;
        case QuitAnswer::Stay:
            break;
    }
    return std::nullopt;
}

bool UninstallController::SetKept(std::size_t n, bool kept) {
    if (passRan_ || n >= records_.size()) {
        return false;
    }
    RecordState& state = records_[n].State;
    if (state != RecordState::WillUndo && state != RecordState::UndoOptional) {
        return false;
    }
    state = kept ? RecordState::UndoOptional : RecordState::WillUndo;
    return true;
}

bool UninstallController::Finish() {
    Installer& installer = parts_.installer;
    if (stage_ == 0) {
        return installer.RemoveFile(logPath_);
    }
    const RegistryKey key{kLocalMachine, UninstallKeyPath(productName_)};
    bool ok = !installer.Services().system.registry.KeyExists(key) || installer.DeleteKey(key);
    for (const std::string& name : CompanionFiles(FileNamePart(logPath_), language_)) {
        ok = installer.RemoveFile(JoinPath(ownDirectory_, name)) && ok;
    }
    if (!WriteMovexeIni("", "0") || !parts_.system.StartMovexe(unattended_)) {
        parts_.report.ReportError(kUnableToLaunchMovexeMessage);
        return false;
    }
    return ok;
}

bool UninstallController::BackOut() {
    if (stage_ == 0) {
        return true;
    }
    const bool returned = MoveCompanions(ownDirectory_, backDirectory_);
    if (!WriteMovexeIni(backDirectory_, "0") || !parts_.system.StartMovexe(unattended_)) {
        parts_.report.ReportError(kUnableToLaunchMovexeMessage);
        return false;
    }
    return returned;
}

}  // namespace aw
