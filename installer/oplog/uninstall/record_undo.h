// Undoing one operation-log record: the change it records is taken back through an Installer
// that logs nothing, asking the user where undoing would take more than the record made.
#pragma once

#include <cstdint>
#include <string>

#include "installer/oplog/log_records.h"

namespace aw {

class Installer;
class UndoUser;

// True when the change was taken back (or there was nothing to do), false when it failed or the
// user declined; `declined`, when given, tells the two apart. The Installer must be silent, with
// its discarding log attached.
bool UndoRecord(const LogRecord& record, Installer& installer, UndoUser& user,
                bool* declined = nullptr);

// Cuts the file back to its first `length` bytes. Not one of the Installer's changes, as no
// installation shortens a file; the uninstaller needs it for appended files.
bool CutFile(Installer& installer, const std::string& path, std::int32_t length);

}  // namespace aw
