#include "tools/scriptdump/scriptdump_command.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/error_report.h"
#include "tools/scriptdump/script_json.h"

namespace aw {

namespace {

class StreamReport : public ErrorReport {
  public:
    explicit StreamReport(std::ostream& err) : err_(err) {}
    void ReportError(const std::string& message) override { err_ << message << '\n'; }
    void CheckFailed(const char* unit, int line) override {
        err_ << "Internal check failed: " << unit << " line " << line << '\n';
    }

  private:
    std::ostream& err_;
};

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

int Dump(const std::string& path, const EventRegistry& registry, std::ostream& out,
         std::ostream& err) {
    const std::optional<std::string> bytes = ReadFile(path);
    if (!bytes) {
        err << "Unable to load " << path << '\n';
        return 1;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    const ScriptDump dump = DumpScriptFile({data, bytes->size()}, registry);
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
    const std::optional<std::string> text = ReadFile(jsonPath);
    if (!text) {
        err << "Unable to read " << jsonPath << '\n';
        return 1;
    }
    const ScriptBuild build = BuildScriptFile(*text, registry);
    if (!build.Error.empty()) {
        err << jsonPath << ": " << build.Error << '\n';
        return 1;
    }
    if (!WriteFile(scriptPath, build.Bytes)) {
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
