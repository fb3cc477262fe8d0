// movexe's hold on the system: movexe.ini in the Windows directory, the process that started
// movexe, the file's moves, removal and start, and its reports.
#pragma once

#include <windows.h>

#include "installer/movexe/movexe_run.h"

namespace aw {

class Win32MovexeSystem : public MovexeSystem {
  public:
    explicit Win32MovexeSystem(bool unattended);
    ~Win32MovexeSystem() override;
    Win32MovexeSystem(const Win32MovexeSystem&) = delete;
    Win32MovexeSystem& operator=(const Win32MovexeSystem&) = delete;

    std::optional<std::string> ReadHandoverText() override;
    void DeleteHandover() override;
    std::uint32_t Ticks() override;
    void Pause(std::uint32_t milliseconds) override;
    bool StarterEnded() override;
    FileStep CheckFree(const std::string& path) override;
    FileStep Move(const std::string& from, const std::string& to) override;
    FileStep Remove(const std::string& path) override;
    bool Start(const std::string& path, bool unattended) override;
    void Report(const std::string& message) override;

  private:
    bool unattended_;
    // The starting process, opened at once so that its number cannot meanwhile pass to
    // another; null when it had already ended.
    HANDLE starter_ = nullptr;
};

}  // namespace aw
