// The "strs" file: texts that a script hands over to the programs it starts.
#pragma once

#include <span>
#include <string>

#include "installer/script/model/error_report.h"
#include "installer/script/variables/output_file.h"

namespace aw {

// "strs" in the given directory (a directory without a trailing backslash, or a root).
std::string StringListPath(const std::string& directory);

// Writes the lines, each ended by CR LF, to a new or emptied file. A file that cannot be
// opened or written is reported with its path and gives false.
bool WriteStringListFile(std::span<const std::string> lines, const std::string& path,
                         OutputFiles& files, ErrorReport& errors);

}  // namespace aw
