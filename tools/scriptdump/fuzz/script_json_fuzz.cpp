// Fuzzes the builder of script files from their JSON form, as `scriptdump --build` reads a
// document. A document that builds must dump and build back into the very same bytes.
//
// The seeds are the dumps of the script loader's seeds (both widths, all three versions) and
// the small document of the JSON tests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/error_report.h"
#include "tools/scriptdump/script_json.h"

namespace {

class QuietReport : public aw::ErrorReport {
  public:
    void ReportError(const std::string&) override {}
    void CheckFailed(const char*, int) override {}
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QuietReport report;
    aw::EventRegistry registry(report);
    Check(aw::RegisterEventClasses(registry));
    const aw::ScriptBuild build =
        aw::BuildScriptFile(std::string(reinterpret_cast<const char*>(data), size), registry);
    Check(build.Error.empty() != build.Bytes.empty());
    if (!build.Error.empty()) {
        return 0;
    }
    const aw::ScriptDump dump = aw::DumpScriptFile(build.Bytes, registry);
    Check(dump.Error.empty());
    const aw::ScriptBuild rebuilt = aw::BuildScriptFile(dump.Json, registry);
    Check(rebuilt.Error.empty() && rebuilt.Bytes == build.Bytes);
    return 0;
}
