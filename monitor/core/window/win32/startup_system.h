// The system as the main window's start-up sees it, through Win32.
#pragma once

#include <string>
#include <vector>

#include "monitor/core/window/main_window_services.h"

namespace lw {

class Win32StartupSystem : public StartupSystem {
  public:
    // The program's arguments (after its name) and the show command it was started with.
    Win32StartupSystem(std::vector<std::string> arguments, int showCommand)
        : arguments_(std::move(arguments)), showCommand_(showCommand) {}

    bool IsWindows9xFamily() const override;
    std::string ProgramPath() const override;
    std::string ShortProgramPath() const override;
    std::vector<std::string> Arguments() const override { return arguments_; }
    bool StartedMinimizedNoActivate() const override;
    std::optional<DayCount> SystemFileDate(const std::string& name) const override;
    std::optional<std::uint64_t> SystemFileSize(const std::string& name) const override;
    void StartProgram(const std::string& commandLine) override;
    bool TestPort(int port, PortState& state) override;

  private:
    std::vector<std::string> arguments_;
    int showCommand_;
};

}  // namespace lw
