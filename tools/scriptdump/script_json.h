// The readable form of an install script: a JSON document that says every field of the file by
// name, and that builds back into the same bytes.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

#include "installer/script/model/install_script.h"
#include "tools/scriptdump/json_reader.h"

namespace aw {

class EventRegistry;

// The model as a file of this width and version would hold it. Events name their class through
// `registry` (null for a class it does not know).
nlohmann::ordered_json DumpScript(InstallScript& script, const EventRegistry& registry,
                                  bool shortInts, std::int32_t version);

struct ScriptDump {
    nlohmann::ordered_json Json;
    // Empty when the file was read.
    std::string Error;
};

// A script file as it is stored: its own width and version, and the revision stamp as it was
// before the loader marked an older version as upgraded.
ScriptDump DumpScriptFile(std::span<const std::uint8_t> bytes, const EventRegistry& registry);

// Builds the model, with its references resolved, and the format it is to be written in; the
// message of the first fault, or empty. On a fault the model is left empty.
std::string BuildScript(const nlohmann::ordered_json& json, const EventRegistry& registry,
                        InstallScript& script, ScriptFormat& format);

struct ScriptBuild {
    std::vector<std::uint8_t> Bytes;
    // Empty when the file was built.
    std::string Error;
};

// The script file that `json` describes.
ScriptBuild BuildScriptFile(const nlohmann::ordered_json& json, const EventRegistry& registry);

// The same from the document's text: a text that is no JSON, or that the JSON library refuses
// in any other way (such as a number out of range), is a fault with the library's message.
ScriptBuild BuildScriptFile(const std::string& jsonText, const EventRegistry& registry);

}  // namespace aw
