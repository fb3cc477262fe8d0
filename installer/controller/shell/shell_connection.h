// The connection to the shell, shared by every group and item operation of a run: opened once,
// counted as operations nest inside the run's own connection, closed when the last one ends.
#pragma once

#include <cstdint>
#include <memory>

#include "installer/controller/shell/shell_interface.h"

namespace aw {

class ShellConnection {
  public:
    ShellConnection(ShellFactory& factory, std::int32_t platform)
        : factory_(factory), platform_(platform) {}
    ShellConnection(const ShellConnection&) = delete;
    ShellConnection& operator=(const ShellConnection&) = delete;
    ~ShellConnection();

    // The first begin picks the shell: Program Manager if it answers; on the Windows 95 family
    // the Start menu's shortcuts; else Program Manager again, now started if need be. False
    // when none could be opened (the count is then unchanged).
    bool Begin();
    // The last end closes the shell, and closes Program Manager when this connection started
    // it and `closeShell` asks for it.
    void End(bool closeShell);

    ShellInterface& Shell() { return *shell_; }
    int Nesting() const { return nesting_; }
    bool StartedProgramManager() const { return startedProgramManager_; }

  private:
    std::unique_ptr<ShellInterface> Choose();

    ShellFactory& factory_;
    std::int32_t platform_;
    int nesting_ = 0;
    bool startedProgramManager_ = false;
    std::unique_ptr<ShellInterface> shell_;
};

}  // namespace aw
