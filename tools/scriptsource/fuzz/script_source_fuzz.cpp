// Fuzzes the reader of distribution sources, as scriptsource reads a hand-written one, the
// finder of the line a faulty place lies on, and the script build that follows. Folders lie
// nowhere, so file groups go no further than the file system; everything else is read and
// built.
//
// The seeds are small sources of every part: events of many classes, dialogs, components,
// screen, languages and packaging.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/error_report.h"
#include "tools/scriptbuild/script_writer.h"
#include "tools/scriptdump/script_json.h"
#include "tools/scriptsource/script_templates.h"
#include "tools/scriptsource/source_lines.h"
#include "tools/scriptsource/source_plan.h"

namespace {

class QuietReport : public aw::ErrorReport {
  public:
    void ReportError(const std::string&) override {}
    void CheckFailed(const char*, int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietReport report;
    static aw::EventRegistry registry(report);
    static const bool registered = aw::RegisterEventClasses(registry);
    static const aw::ScriptTemplates templates = aw::MakeScriptTemplates(registry);
    if (!registered) {
        std::abort();
    }
    nlohmann::ordered_json source;
    try {
        source = nlohmann::ordered_json::parse(data, data + size);
    } catch (const nlohmann::ordered_json::exception&) {
        return 0;
    }
    aw::SourcePlan plan;
    const aw::SourceContext nowhere{"/nonexistent/source", "/nonexistent/programs"};
    const std::string problem = aw::ReadSource(source, nowhere, templates, plan);
    if (!problem.empty()) {
        const std::string_view text(reinterpret_cast<const char*>(data), size);
        (void)aw::SourceLine(text, problem.substr(0, problem.find(": ")));
        return 0;
    }
    aw::InstallScript script;
    aw::ScriptFormat format;
    const std::string error = aw::BuildScript(plan.Script, registry, script, format);
    if (error.empty()) {
        (void)aw::WriteScript(script, format.ShortInts, format.Version);
    } else {
        (void)plan.SourcePlaceOf(error.substr(0, error.find(": ")));
    }
    return 0;
}
