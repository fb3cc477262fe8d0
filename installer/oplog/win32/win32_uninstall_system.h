// The uninstaller's own system calls: the program's path, WIN.INI, starting "movexe.exe" and
// the second stage, and the clock and message loop of the undo pass.
#pragma once

#include "installer/oplog/uninstall/uninstall_system.h"

namespace aw {

class Win32UninstallSystem : public UninstallSystem {
  public:
    std::string ProgramPath() override;
    std::optional<std::string> WinIniEntry(const std::string& section,
                                           const std::string& key) override;
    bool WriteWinIniEntry(const std::string& section, const std::string& key,
                          const std::string& value) override;
    void DeleteWinIniSection(const std::string& section) override;
    bool StartMovexe(bool unattended) override;
    std::optional<int> RunAndWait(const std::string& commandLine) override;
};

class Win32PassClock : public PassClock {
  public:
    std::uint32_t Milliseconds() override;
    void RunMessagesFor(std::uint32_t milliseconds) override;
};

}  // namespace aw
