#include "tools/scriptdump/script_json.h"

#include <utility>

#include "installer/script/events/event_registry.h"
#include "installer/script/model/reference_resolver.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/script_reader.h"
#include "tools/scriptbuild/script_writer.h"
#include "tools/scriptdump/json_dumper.h"

namespace aw {

using nlohmann::ordered_json;

namespace {

// The loader keeps only the upgraded version; the header says what the file holds.
ScriptFormat StoredFormat(std::span<const std::uint8_t> bytes, InstallScript& script,
                          const EventRegistry& registry) {
    ScriptReader reader(bytes, script, registry);
    ScriptFormat format;
    std::uint8_t tag = 0;
    reader.ReadBytes(&tag, 1);
    format.ShortInts = tag == 0x10;
    reader.SetShortInts(format.ShortInts);
    reader.ReadInt(format.Version);
    return format;
}

}  // namespace

ordered_json DumpScript(InstallScript& script, const EventRegistry& registry, bool shortInts,
                        std::int32_t version) {
    JsonDumper dumper(script, registry, shortInts, version);
    script.Fields(dumper);
    return std::move(dumper.Root());
}

ScriptDump DumpScriptFile(std::span<const std::uint8_t> bytes, const EventRegistry& registry) {
    InstallScript script;
    switch (ReadScript(bytes, script, registry)) {
        case ScriptReadResult::Loaded:
            break;
        case ScriptReadResult::UnknownEvent:
            return {{}, "an event's type code names no event class"};
        case ScriptReadResult::Malformed:
            return {{}, "not a readable install script"};
    }
    const ScriptFormat format = StoredFormat(bytes, script, registry);
    script.Revision = script.LoadedRevision;
    return {DumpScript(script, registry, format.ShortInts, format.Version), ""};
}

std::string BuildScript(const ordered_json& json, const EventRegistry& registry,
                        InstallScript& script, ScriptFormat& format) {
    script = InstallScript();
    JsonReader reader(json, script, registry);
    if (reader.ReadHeader(format)) {
        script.Version = format.Version;
        script.Fields(reader);
        reader.Finish();
    }
    if (!reader.Error().empty()) {
        script = InstallScript();
        return reader.Error();
    }
    ResolveReferences(script);
    script.LoadedRevision = script.Revision;
    return "";
}

ScriptBuild BuildScriptFile(const ordered_json& json, const EventRegistry& registry) {
    InstallScript script;
    ScriptFormat format;
    std::string error = BuildScript(json, registry, script, format);
    if (!error.empty()) {
        return {{}, std::move(error)};
    }
    auto bytes = WriteScript(script, format.ShortInts, format.Version);
    if (!bytes) {
        return {{}, "a value cannot be encoded in the file"};
    }
    return {std::move(*bytes), ""};
}

ScriptBuild BuildScriptFile(const std::string& jsonText, const EventRegistry& registry) {
    try {
        return BuildScriptFile(ordered_json::parse(jsonText), registry);
    } catch (const ordered_json::exception& error) {
        return {{}, error.what()};
    }
}

}  // namespace aw
