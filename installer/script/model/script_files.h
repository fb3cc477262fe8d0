// What the script loader needs from the file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// The largest script the installer reads: more than a 1.44 MB diskette holds, which is what the
// builder wrote scripts for (real ones take a few hundred KiB). A larger file is damaged, and a
// file of the shortest elements costs up to 48 times its size in memory.
inline constexpr std::size_t kLargestScript = 2u * 1024 * 1024;

class ScriptFiles {
  public:
    virtual ~ScriptFiles() = default;
    // The running program's directory, without a trailing backslash.
    virtual std::string OwnDirectory() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // False when the file cannot be opened or read to its end, or is larger than kLargestScript.
    virtual bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) = 0;
};

}  // namespace aw
