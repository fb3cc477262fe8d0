// The machine through the Windows API: the program's path, drive types, ticks, the version and
// processor, and the programs the script starts.
#pragma once

#include "installer/controller/run/machine.h"

namespace aw {

class Win32Machine : public Machine {
  public:
    std::string ProgramPath() override;
    void SuppressErrorBoxes() override;
    DriveType DriveTypeOf(const std::string& root) override;
    std::uint32_t Ticks() override;
    void WindowsVersion(std::int32_t& major, std::int32_t& minor) override;
    std::int32_t ProcessorFamily() override;
    bool Execute(ExecuteRequest& request) override;
};

}  // namespace aw
