// What the install controller asks of the machine besides files and system changes: where the
// program lies, drive types, the tick counter, the processor and version, and started programs.
#pragma once

#include <cstdint>
#include <string>

namespace aw {

struct ExecuteRequest;

enum class DriveType { Unknown, Removable, Fixed, Remote, CdRom, Other };

class Machine {
  public:
    virtual ~Machine() = default;

    // The full path of the running program.
    virtual std::string ProgramPath() = 0;
    // No critical-error and no open-file-error boxes from the system from now on.
    virtual void SuppressErrorBoxes() = 0;
    // `root` is "X:\" or a share root with its trailing backslash.
    virtual DriveType DriveTypeOf(const std::string& root) = 0;
    // Milliseconds since the system started; wraps after about 49 days.
    virtual std::uint32_t Ticks() = 0;
    // The platform's version number, split.
    virtual void WindowsVersion(std::int32_t& major, std::int32_t& minor) = 0;
    // The processor family as the system reports it (386, 486, 586, ...).
    virtual std::int32_t ProcessorFamily() = 0;
    // Starts the request's program and waits as its kind says, letting window messages run;
    // the exit code of kind 1 goes into the request. False when it could not be started.
    virtual bool Execute(ExecuteRequest& request) = 0;
};

}  // namespace aw
