// A distribution as its author describes it, read from a hand-written JSON source: the script
// in the canonical JSON form (tools/scriptdump) with every default filled in, the files to pack
// and how to pack them.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "tools/distpack/media_writer.h"
#include "tools/distpack/packer.h"

namespace aw {

struct ScriptTemplates;

struct SourceFile {
    PackInput Input;
    // What the script records as the file's source: the folder as the author wrote it and the
    // name, so that a build does not depend on where the work tree lies.
    std::string Shown;
};

struct SourcePlan {
    // Without the packed files: the packer adds their entries and build style.
    nlohmann::ordered_json Script;
    // In the order of their distribution-file entries.
    std::vector<SourceFile> Files;
    MediaOptions Media;
    bool ReserveGiven = false;
    bool CustomHandler = false;
    // The language codes whose libraries go beside the installer, the default first.
    std::vector<std::string> Languages;
    // Paths of the canonical document and the places in the source they came from.
    std::vector<std::pair<std::string, std::string>> Places;

    // The source's place for a path of the canonical document (a builder message's).
    std::string SourcePlaceOf(const std::string& canonicalPath) const;
};

struct SourceContext {
    // Folders of file groups are relative to this: the source file's own folder.
    std::filesystem::path SourceDirectory;
    // What a folder written as "{programs}" stands for.
    std::filesystem::path ProgramsDirectory;
};

// Reads `source` into `plan`; the first problem as "<JSON path>: <problem>", or empty.
std::string ReadSource(const nlohmann::ordered_json& source, const SourceContext& context,
                       const ScriptTemplates& templates, SourcePlan& plan);

}  // namespace aw
