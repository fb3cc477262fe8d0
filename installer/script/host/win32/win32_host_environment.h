// The process's environment, the search's trace file and whole files for registry data,
// through Win32.
#pragma once

#include "installer/script/host/event_support.h"
#include "installer/script/host/host_windows.h"

namespace aw {

class Win32HostEnvironment : public HostEnvironment, public WholeFiles {
  public:
    std::optional<std::string> Environment(const std::string& name) override;
    void AppendLine(const std::string& path, const std::string& line) override;
    bool Read(const std::string& path, std::vector<std::uint8_t>& bytes) override;
};

}  // namespace aw
