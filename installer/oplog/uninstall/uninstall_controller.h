// The uninstaller's controller: reads the newest archived operation log, lets the user see and
// choose what will be undone, and undoes the records newest first through a silent Installer
// that logs nothing.
//
// The last installation of a product is removed in two stages, because a running program
// cannot delete its own file and directory: the first stage, in the back directory, moves the
// log, the language library and "auuser.dll" to the drive root, leaves the back directory in
// WIN.INI and has "movexe.exe" move the program there and start it; the second stage, in the
// root, undoes the log and has "movexe.exe" remove the program (or put it back, when the user
// cancelled).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/oplog/log_files.h"
#include "installer/oplog/log_records.h"
#include "installer/oplog/uninstall/undo_user.h"
#include "installer/oplog/uninstall/uninstall_system.h"

namespace aw {

class ErrorReport;
class Installer;

enum class RunState : std::int32_t { NotStarted = 0, Completed = 1, Stopped = 2, Running = 3 };

struct UninstallParts {
    // Silent, with its discarding log attached.
    Installer& installer;
    LogFiles& logFiles;
    UninstallSystem& system;
    UninstallView& view;
    UndoUser& user;
    PassClock& clock;
    ErrorReport& report;
};

inline constexpr char kNoLogFileMessage[] = "No log file";
inline constexpr char kBackDirUndefinedMessage[] = "Back dir is undefined";
inline constexpr char kUnableToLaunchMovexeMessage[] = "Unable to launch movexe";
inline constexpr char kNotFoundMessage[] = "%s not found";
inline constexpr char kUnableToLoadLanguageMessage[] = "Unable to load language DLL";
inline constexpr char kChangesLeftMessage[] = "%s changes could not be undone";

class UninstallController {
  public:
    // Unattended: no window, no pacing, every question answered by its default.
    UninstallController(const UninstallParts& parts, bool unattended);
    virtual ~UninstallController() = default;
    UninstallController(const UninstallController&) = delete;
    UninstallController& operator=(const UninstallController&) = delete;

    // 1. The language library, the main dialog (or, unattended, the pass), then finish or
    // back out. 0 when everything asked for was done, 1 otherwise.
    virtual int Run();
    // 2. Lets the records go.
    virtual void CleanUp();
    // 3. The stage, the log and, for the last installation's first stage, the hand-over.
    // False ends the program with exit code 1.
    virtual bool Initialise();

    // The dialog's start command: the undo pass when none runs, else a stop request.
    void StartCommand(UndoObserver& observer);
    // The dialog's close command: how the dialog ends, or none to stay in it.
    std::optional<DialogEnd> CloseCommand(UndoObserver& observer);
    // Switches a record between "will be undone" and "kept"; false when it cannot be switched
    // (another state, or a pass has run).
    bool SetKept(std::size_t n, bool kept);

    const std::vector<LogRecord>& Records() const { return records_; }
    const std::string& ProductName() const { return productName_; }
    std::int32_t DialogStyle() const { return dialogStyle_; }
    RunState State() const { return runState_; }
    bool PassRan() const { return passRan_; }
    bool Unattended() const { return unattended_; }
    // 0 first stage, 1 second stage.
    std::int32_t Stage() const { return stage_; }
    const std::string& LogPath() const { return logPath_; }
    const std::string& BackDirectory() const { return backDirectory_; }
    // The first stage handed over to "movexe.exe" and the second stage.
    bool HandedOver() const { return handedOver_; }
    // The exit code when Initialise failed: 1, or, when an unattended first stage ran the
    // second stage itself, the second stage's.
    int InitialiseExitCode() const { return secondStageExit_.value_or(1); }
    // Set when the log ends inside a record: the whole records before it.
    std::optional<std::size_t> PartialLog() const { return partialLog_; }
    std::size_t RecordsLeft() const;

  private:
    DialogEnd RunUnattended();
    DialogEnd RunDialogs();
    void RunPass(UndoObserver& observer);
    void Pace(std::uint32_t started);
    void HandOver();
    void ReturnUnread();
    bool RunSecondStageHere(const std::string& root);
    bool Finish();
    bool BackOut();
    bool MoveCompanions(const std::string& from, const std::string& to);
    bool WriteMovexeIni(const std::string& target, const char* start);
    std::string RootDirectory() const;

    UninstallParts parts_;
    std::int32_t dialogStyle_ = 0;
    RunState runState_ = RunState::NotStarted;
    std::int32_t language_ = 0;
    bool stopRequested_ = false;
    std::int32_t stage_ = 0;
    std::int32_t pacing_ = 0;
    std::vector<LogRecord> records_;
    std::string productName_;
    std::string logPath_;
    std::string ownDirectory_;
    std::string backDirectory_;

    bool unattended_;
    bool passRan_ = false;
    bool handedOver_ = false;
    std::optional<std::size_t> partialLog_;
    std::optional<int> secondStageExit_;
};

}  // namespace aw
