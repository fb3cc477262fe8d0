// Reading an operation log back: the uninstaller's load, the controller's question whether a log
// holds any record, and the appending of one installation's records to an archived log.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "installer/oplog/log_files.h"
#include "installer/oplog/log_header.h"
#include "installer/oplog/log_records.h"

namespace aw {

class ErrorReport;

inline constexpr char kUnableToOpenLogMessage[] = "Unable to open %s";
inline constexpr char kBadLogDataMessage[] = "Log file contains bad data";
// Records are appended to an archived log in blocks of this size.
inline constexpr std::size_t kAppendBlockSize = 1024;

struct LoadedLog {
    LogHeader Header;
    // In file order, records of undo class 2 left out, each with its state.
    std::vector<LogRecord> Records;
};

// What the uninstaller starts from: class 0 will be undone, class 1 is optional, a FileDeleted
// record has nothing to undo; none for class 2, which is never shown. Any other class is an
// internal check failure; such a record is kept as optional, so that nothing of unknown meaning
// is undone unless the user picks it.
std::optional<RecordState> StateAtLoad(const LogRecord& record, ErrorReport& report);

// The file whole, with the record states derived. A file that cannot be read shows "Unable to
// open %s", one that does not read to its end "Log file contains bad data"; both give none.
std::optional<LoadedLog> LoadLog(LogFiles& files, const std::string& path, ErrorReport& report);

// True only when the file's header reads and at least one byte follows it.
bool LogHasRecords(LogFiles& files, const std::string& path);

// Appends the whole records after the header of `from` to the existing log `to`, which keeps its
// own header; a record that `from` holds only in part is left out. False when `from` has no
// readable header, `to` cannot be opened, or a write fails; `to` is then as it was.
bool AppendLogRecords(LogFiles& files, const std::string& from, const std::string& to);

}  // namespace aw
