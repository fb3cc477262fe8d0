// The hand-over that the installer engine leaves for movexe: "movexe.ini" in the Windows
// directory, section "x", naming one file ("f"), the directory to move it into ("t", empty for
// none) and whether to start it afterwards ("x", "1" or "0").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aw {

struct Handover {
    std::string File;
    // Empty: the file stays where it is (started in place, or removed).
    std::string TargetDirectory;
    bool StartAfterwards = false;

    // Where the file is once moved (its own path when there is no target directory).
    std::string FinalPath() const;
    // Neither moved nor started: the file is to be removed.
    bool RemovesFile() const { return TargetDirectory.empty() && !StartAfterwards; }
};

struct HandoverRead {
    std::optional<Handover> Value;
    // Why the text cannot be used, when Value is empty.
    std::string Problem;
};

HandoverRead ReadHandover(std::string_view iniText);

// True for "C:", "C:\..." and "\\server\share...": a path that does not depend on the current
// directory or drive.
bool IsFullPath(std::string_view path);

}  // namespace aw
