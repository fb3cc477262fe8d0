// Builds a distribution from its source: the install script "install.inf", the packed files,
// and beside them the installer, its decompression and language libraries and the launcher.
// Everything is made in a scratch folder first, so that a source or input with a fault leaves
// no output at all.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "installer/script/model/install_script.h"
#include "tools/scriptdump/json_reader.h"
#include "tools/scriptsource/source_plan.h"

namespace aw {

class EventRegistry;

// Reads the source file into `plan` and builds the script it describes, still without the
// packed files; the problem as "<file>: <place>: <problem>", or empty.
std::string ScriptFromSource(const std::filesystem::path& source, const SourceContext& context,
                             const EventRegistry& registry, SourcePlan& plan, InstallScript& script,
                             ScriptFormat& format);

struct BuildRequest {
    std::filesystem::path Source;
    std::filesystem::path Output;
    // Holds awmain.exe, lzpunz2.dll, the language libraries and setup.exe, and is what a file
    // group's folder "{programs}" stands for.
    std::filesystem::path Programs;
    // Overrides Programs / "setup.exe" when not empty.
    std::filesystem::path Launcher;
};

// What went wrong (naming the source file and the place in it, or the missing inputs), or
// empty. Steps and the summary go to `progress`.
std::string BuildDistribution(const BuildRequest& request, const EventRegistry& registry,
                              std::ostream& progress);

}  // namespace aw
