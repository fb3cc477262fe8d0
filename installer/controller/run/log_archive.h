// Where the operation log of a run goes when the run is over: archived into the back directory
// as "awlog3.%03d" under the first free number, or appended to the highest one; and the
// hand-over that has "movexe.exe" start the uninstaller after an aborted run.
#pragma once

#include <optional>
#include <string>

namespace aw {

class FileSystem;
class Installer;
class LogFiles;
class ShortPaths;

// The name of the run's log in the own directory.
inline constexpr char kRunLogName[] = "awlog3.nnn";
// Archives are numbered 000..999.
inline constexpr int kArchiveNumbers = 1000;

std::string ArchiveName(const std::string& backDirectory, int number);
// None when every number is taken.
std::optional<std::string> FirstFreeArchive(FileSystem& files, const std::string& backDirectory);
// None when there is no archive.
std::optional<std::string> HighestArchive(FileSystem& files, const std::string& backDirectory);

// Copies `log` whole to the first free archive, or, with `append`, adds its records to the
// highest archive (the first free one when there is none). False when the log holds no record,
// no archive name is free, or the copy fails; an existing archive is never overwritten.
bool ArchiveLog(Installer& installer, LogFiles& logFiles, const std::string& log,
                const std::string& backDirectory, bool append);

// Writes "movexe.ini" in the Windows directory: "f" the back directory's "awmain.exe" in its
// short form, "t" empty and "x" = "1", so that the uninstaller starts where it lies.
bool WriteRollbackHandOver(FileSystem& files, ShortPaths& paths, const std::string& backDirectory);

}  // namespace aw
