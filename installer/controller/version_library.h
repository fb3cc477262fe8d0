// What the copy asks of the system's version library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace aw {

// The parts of a file's version resource that decide which of two files is newer.
struct FileVersionInfo {
    // Of the first translation; 0 when the resource lists none.
    std::uint16_t Language = 0;
    std::uint16_t CodePage = 0;
    std::uint32_t FileType = 0;
    std::uint32_t FileSubtype = 0;
    // Most and least significant halves of the file version.
    std::uint32_t VersionHigh = 0;
    std::uint32_t VersionLow = 0;
    bool operator==(const FileVersionInfo&) const = default;
};

class VersionLibrary {
  public:
    virtual ~VersionLibrary() = default;
    // None when the file has no version resource (or cannot be read).
    virtual std::optional<FileVersionInfo> Version(const std::string& path) = 0;
    // The library's file search reports the file in use.
    virtual bool InUse(const std::string& path) = 0;
};

}  // namespace aw
