// The archived log as the uninstaller reads it: the header, and the records it will show, each
// with its state. A log that ends inside its last record (the installer was stopped while
// writing it) still gives the whole records before it; any other damage gives nothing.
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

inline constexpr char kPartialLogMessage[] =
    "The uninstall information ends in the middle of a change: the installation was stopped "
    "while it recorded it.\n%d complete changes were found and can be undone; the last change "
    "may remain.\n\nUndo them?";

struct UndoLog {
    LogHeader Header;
    // In file order, records of undo class 2 left out.
    std::vector<LogRecord> Records;
    // Set when the file ends inside a record: how many whole records precede it.
    std::optional<std::size_t> WholeRecordsBeforeCut;
};

// "Unable to open %s" when the file cannot be read, "Log file contains bad data" when its
// header does not read or it is damaged before its end; none then.
std::optional<UndoLog> ReadUndoLog(LogFiles& files, const std::string& path, ErrorReport& report);

// The question put before undoing a log cut short.
std::string PartialLogQuestion(std::size_t wholeRecords);

}  // namespace aw
