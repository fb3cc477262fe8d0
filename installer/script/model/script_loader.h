// Finds the install script beside the program and loads it into the model.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "installer/script/model/install_script.h"

namespace aw {

class ErrorReport;
class EventFactory;
class ScriptFiles;

enum class ScriptReadResult { Loaded, Malformed, UnknownEvent };

// Decodes a whole script file into `script`, which it empties first; references are resolved
// and an older version is marked as upgraded. Reports nothing. A file over kLargestScript, and
// one whose model does not fit in memory, is malformed.
ScriptReadResult ReadScript(std::span<const std::uint8_t> bytes, InstallScript& script,
                            const EventFactory& events);

// "install.inf", else "setup.inf", in the program's own directory; none when neither exists
// or the directory is unknown.
std::optional<std::string> FindScript(ScriptFiles& files);

// Finds and reads the script, reporting why it could not. On failure the model is left empty.
bool LoadScript(ScriptFiles& files, const EventFactory& events, ErrorReport& report,
                InstallScript& script);

}  // namespace aw
