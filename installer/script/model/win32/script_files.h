// The script loader's view of the file system, through the Windows API.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/script/model/script_files.h"

namespace aw {

// The running program's full file name; empty when the system cannot give it. The buffer starts
// at `firstSize` characters and grows, so that a path longer than MAX_PATH is not cut short.
std::string OwnModuleFileName(std::uint32_t firstSize = 260);

class Win32ScriptFiles : public ScriptFiles {
  public:
    std::string OwnDirectory() override;
    // True only for a file: a directory of that name is not a script.
    bool FileExists(const std::string& path) override;
    bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) override;
};

}  // namespace aw
