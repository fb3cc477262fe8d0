// What the script loader needs from the file system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

class ScriptFiles {
  public:
    virtual ~ScriptFiles() = default;
    // The running program's directory, without a trailing backslash.
    virtual std::string OwnDirectory() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // False when the file cannot be opened or read to its end.
    virtual bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) = 0;
};

}  // namespace aw
