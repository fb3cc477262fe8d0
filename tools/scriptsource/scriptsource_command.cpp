#include "tools/scriptsource/scriptsource_command.h"

#include <ostream>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "tools/common/stream_report.h"
#include "tools/scriptsource/distribution_build.h"
#include "tools/scriptsource/script_templates.h"

namespace aw {

namespace {

constexpr const char* kUsage =
    "usage: scriptsource [options] <source.json> <output folder>\n"
    "       scriptsource --events\n"
    "Builds a distribution from its source (docs/script-source.md): the install script\n"
    "install.inf, the packed files, and beside them awmain.exe, lzpunz2.dll, the language\n"
    "libraries and the launcher setup.exe. A source or input with a fault writes nothing.\n"
    "options:\n"
    "  --programs <folder>  where awmain.exe, lzpunz2.dll, the language libraries and\n"
    "                       setup.exe are, and what a file folder \"{programs}\" stands for\n"
    "                       (default: build/win32/bin)\n"
    "  --launcher <file>    the launcher, when it is not <programs>/setup.exe\n"
    "  --events             list every event class with its fields and their defaults\n"
    "  --help               show this\n";

void ListEvents(const EventRegistry& registry, std::ostream& out) {
    const ScriptTemplates templates = MakeScriptTemplates(registry);
    for (const auto& [name, event] : templates.Events) {
        out << name << " (type code " << event["typeCode"] << ")\n";
        for (const auto& [field, value] : event.items()) {
            if (field == "class" || field == "typeCode") {
                continue;
            }
            // A source names the files of a list by their groups.
            out << "  " << field << ": "
                << (value.contains("IFLIST") ? "[] (ids of file groups)"
                                             : value.dump(-1, ' ', true))
                << '\n';
        }
    }
}

}  // namespace

int RunScriptSource(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    StreamReport report(err);
    EventRegistry registry(report);
    if (!RegisterEventClasses(registry)) {
        return 1;
    }
    if (args.size() == 1 && args[0] == "--help") {
        out << kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--events") {
        ListEvents(registry, out);
        return 0;
    }
    BuildRequest request;
    request.Programs = "build/win32/bin";
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool valued = args[i] == "--programs" || args[i] == "--launcher";
        if (valued && i + 1 < args.size()) {
            std::filesystem::path& value =
                args[i] == "--programs" ? request.Programs : request.Launcher;
            value = args[++i];
        } else if (args[i].starts_with("--")) {
            err << (valued ? args[i] + " needs a value" : "unknown option " + args[i]) << '\n'
                << kUsage;
            return 1;
        } else {
            operands.push_back(args[i]);
        }
    }
    if (operands.size() != 2) {
        err << kUsage;
        return 1;
    }
    request.Source = operands[0];
    request.Output = operands[1];
    // "out/" names the folder "out", beside which the scratch folder goes.
    if (!request.Output.has_filename()) {
        request.Output = request.Output.parent_path();
    }
    const std::string problem = BuildDistribution(request, registry, out);
    if (!problem.empty()) {
        err << problem << '\n';
        return 1;
    }
    return 0;
}

}  // namespace aw
