// The launcher's run: the installer and its companions copied from the medium's folder to a
// fresh working directory, "awmain.ini" written, the installer run there and waited for, its
// result read, the working directory removed again and, for a result that asks for it, the
// restart offered. Whatever fails, the working directory does not stay behind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/launcher/launcher_arguments.h"
#include "installer/launcher/medium_files.h"

namespace aw {

class LauncherSystem {
  public:
    virtual ~LauncherSystem() = default;

    // The launcher's own full path.
    virtual std::string OwnPath() = 0;
    // The files (not directories) of a folder; none when it cannot be listed.
    virtual std::optional<std::vector<FolderFile>> ListFolder(const std::string& folder) = 0;
    // A new, empty directory under the temporary folder; none when none can be made.
    virtual std::optional<std::string> MakeWorkingDirectory() = 0;
    // Copies a file to a new file that may be written and deleted, as the medium's may not.
    virtual bool CopyFileTo(const std::string& from, const std::string& to) = 0;
    // Writes a new file whole; false when any of it could not be written.
    virtual bool WriteNewFile(const std::string& path, const std::string& text) = 0;
    virtual std::optional<std::string> ReadText(const std::string& path) = 0;
    // Runs a program from its folder and waits for it to end: its exit code, or none when it
    // could not be started.
    virtual std::optional<std::uint32_t> RunAndWait(const std::string& program) = 0;
    // Removes the directory with everything in it; false when anything stayed.
    virtual bool RemoveTree(const std::string& directory) = 0;

    // Offers the restart that the result asks for; true when the person wants it now.
    virtual bool AskRestart(int result) = 0;
    virtual void Restart() = 0;
    // Tells the person (or, unattended, standard error) why the launcher failed.
    virtual void Report(const std::string& message) = 0;
};

// The exit code: the installer's result, or 1 when the launcher could not run it.
int RunLauncher(LauncherSystem& system, const LauncherArguments& arguments);

}  // namespace aw
