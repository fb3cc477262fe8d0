// The launcher's hold on the system: its folder, the temporary folder, the installer's process,
// the restart and the boxes.
#pragma once

#include "installer/launcher/launcher_run.h"

namespace aw {

class Win32LauncherSystem : public LauncherSystem {
  public:
    explicit Win32LauncherSystem(bool unattended) : unattended_(unattended) {}

    std::string OwnPath() override;
    std::optional<std::vector<FolderFile>> ListFolder(const std::string& folder) override;
    std::optional<std::string> MakeWorkingDirectory() override;
    bool CopyFileTo(const std::string& from, const std::string& to) override;
    bool WriteNewFile(const std::string& path, const std::string& text) override;
    std::optional<std::string> ReadText(const std::string& path) override;
    std::optional<std::uint32_t> RunAndWait(const std::string& program) override;
    bool RemoveTree(const std::string& directory) override;
    bool AskRestart(int result) override;
    void Restart() override;
    void Report(const std::string& message) override;

  private:
    bool unattended_;
};

}  // namespace aw
