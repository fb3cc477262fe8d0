// The system as the settings dialog sees it: the registry keys it touches, the program's
// files and paths, the program that opens text files, and starting programs.
#pragma once

#include <windows.h>

#include "monitor/setup/setup_services.h"
#include "monitor/setup/win32/registry.h"

namespace lw {

class Win32SetupSystem : public SetupSystem {
  public:
    Registry& Keys() override { return registry_; }
    std::string ProgramPath() const override;
    std::optional<std::string> ShortPath(const std::string& path) const override;
    std::string WindowsDirectory() const override;
    bool FileExists(const std::string& path) const override;
    std::optional<std::string> AssociatedProgram(const std::string& file) const override;
    void StartProgram(const std::string& commandLine) override;
    std::unique_ptr<OpenedFile> OpenForReading(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;

  private:
    Win32Registry registry_;
};

}  // namespace lw
