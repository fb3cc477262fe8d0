#include "tools/scriptdump/scriptdump_command.h"

#include <optional>
#include <ostream>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "tools/common/file_bytes.h"
#include "tools/common/stream_report.h"
#include "tools/scriptdump/script_json.h"

namespace aw {

namespace {

int Dump(const std::string& path, const EventRegistry& registry, std::ostream& out,
         std::ostream& err) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes) {
        err << "Unable to load " << path << '\n';
        return 1;
    }
    const ScriptDump dump = DumpScriptFile(*bytes, registry);
    if (!dump.Error.empty()) {
        err << "Unable to load " << path << ": " << dump.Error << '\n';
        return 1;
    }
    // Escaped to ASCII, so that the script's ANSI bytes read the same in any editor.
    out << dump.Json.dump(2, ' ', true) << '\n';
    return 0;
}

int Build(const std::string& jsonPath, const std::string& scriptPath, const EventRegistry& registry,
          std::ostream& err) {
    const std::optional<std::vector<std::uint8_t>> text = ReadFileBytes(jsonPath);
    if (!text) {
        err << "Unable to read " << jsonPath << '\n';
        return 1;
    }
    const ScriptBuild build = BuildScriptFile(std::string(text->begin(), text->end()), registry);
    if (!build.Error.empty()) {
        err << jsonPath << ": " << build.Error << '\n';
        return 1;
    }
    if (!WriteFileBytes(scriptPath, build.Bytes)) {
        err << "Unable to write " << scriptPath << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int RunScriptDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    StreamReport report(err);
    EventRegistry registry(report);
    if (!RegisterEventClasses(registry)) {
        return 1;
    }
    if (args.size() == 1 && args[0] != "--build") {
        return Dump(args[0], registry, out, err);
    }
    if (args.size() == 3 && args[0] == "--build") {
        return Build(args[1], args[2], registry, err);
    }
    err << "usage: scriptdump <script file>\n"
           "       scriptdump --build <in.json> <out file>\n";
    return 1;
}

}  // namespace aw
