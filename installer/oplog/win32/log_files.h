// The operation log's files through the Windows API: binary, unbuffered, each write going to the
// file at once so that a run cut short leaves the records made so far.
#pragma once

#include "installer/oplog/log_files.h"

namespace aw {

class Win32LogFiles : public LogFiles {
  public:
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForAppend(const std::string& path) override;
    bool CutBack(const std::string& path, std::size_t size) override;
    bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) override;
};

}  // namespace aw
