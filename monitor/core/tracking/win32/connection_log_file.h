#pragma once

#include "monitor/core/tracking/connection_log_file.h"
#include "monitor/core/tracking/connection_tracker.h"

namespace lw {

// The log files through the system's file calls.
class Win32LogFiles : public LogFiles {
  public:
    std::optional<std::string> ReadLastLine(const std::string& fileName) override;
    void Append(const std::string& fileName, const std::string& text) override;
};

// "LINEWINK.DCD" and "LINEWINK.RI" beside the running program, in short (8.3) form.
LogFileNames ProgramLogFileNames();

}  // namespace lw
