// The connection and ring logs as the tick sees them: text files it reads the end of and
// appends to.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace lw {

// A log file that could not be read or written; the program's top level shows its text.
class LogFileError : public std::runtime_error {
  public:
    LogFileError(const std::string& fileName, unsigned long code)
        : std::runtime_error("I/O error " + std::to_string(code) + " on " + fileName) {}
};

class LogFiles {
  public:
    virtual ~LogFiles() = default;
    // The file's last line without its line end ("" for an empty file, or when the file ends
    // in a line end: the line before it); nothing when the file does not exist.
    virtual std::optional<std::string> ReadLastLine(const std::string& fileName) = 0;
    // Appends `text` as it stands; a file that cannot be opened for appending is created.
    virtual void Append(const std::string& fileName, const std::string& text) = 0;
};

// The system's date and time formats.
class DateTimeFormat {
  public:
    virtual ~DateTimeFormat() = default;
    // The short date format, e.g. "07.12.2026" or "12/7/2026".
    virtual std::string ShortDate(int year, int month, int day) const = 0;
    // The long time format, e.g. "14:05:09" or "2:05:09 PM".
    virtual std::string LongTime(int hour, int minute, int second) const = 0;
};

}  // namespace lw
