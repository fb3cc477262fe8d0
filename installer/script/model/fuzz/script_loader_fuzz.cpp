// Fuzzes the install script loader as the installer runs it: the file found beside the program,
// read through the registry of every event class, its references resolved. A script that loads
// is then asked what the host asks of it, and written back: the builder's writer must encode
// whatever the loader accepted, and the written file must load into the same bytes again.
//
// The seeds are scripts that the builder's writer made from the round-trip tests' sample
// script with one event of every class, in both widths and all three versions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/error_report.h"
#include "installer/script/model/script_files.h"
#include "installer/script/model/script_loader.h"
#include "tools/scriptbuild/script_writer.h"

namespace {

class QuietReport : public aw::ErrorReport {
  public:
    void ReportError(const std::string&) override { ++errors; }
    void CheckFailed(const char*, int) override {}
    int errors = 0;
};

class OneScript : public aw::ScriptFiles {
  public:
    explicit OneScript(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::string OwnDirectory() override { return "C:\\SETUP"; }
    bool FileExists(const std::string& path) override { return path == "C:\\SETUP\\install.inf"; }
    bool ReadWholeFile(const std::string&, std::vector<std::uint8_t>& bytes) override {
        bytes.assign(bytes_.begin(), bytes_.end());
        return true;
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// What the host asks of a loaded script: sizes for the gauge and the disk space, the current
// build style, and the events and components that the references lead to.
void Inspect(const aw::InstallScript& script, aw::ErrorReport& report) {
    for (const auto& event : script.Events) {
        event->SizeKiB(report);
        event->RequiredSize(report);
    }
    if (const aw::BuildStyle* style = script.Build.Current()) {
        for (const auto& entry : style->FileList) {
            Check(entry->File.Target == script.Build.Files.At(entry->File.Position));
        }
    }
    for (const auto& component : script.Components) {
        for (const auto& child : component->Children) {
            Check(child.Target == script.Components.At(child.Position));
        }
        for (const auto& event : component->Events) {
            Check(event.Target == script.Events.At(event.Position));
        }
    }
}

std::vector<std::uint8_t> Rewrite(aw::InstallScript& script, std::span<const std::uint8_t> file) {
    const bool shortInts = file[0] == 0x10;
    // The file loaded, so its version is 300, 301 or 302 whatever its width.
    const std::int32_t version = file[1] | file[2] << 8;
    script.Revision = script.LoadedRevision;
    std::optional<std::vector<std::uint8_t>> bytes = aw::WriteScript(script, shortInts, version);
    Check(bytes.has_value());
    return std::move(*bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QuietReport report;
    aw::EventRegistry registry(report);
    Check(aw::RegisterEventClasses(registry));
    const std::span<const std::uint8_t> file(data, size);
    OneScript files(file);
    aw::InstallScript script;
    const bool loaded = aw::LoadScript(files, registry, report, script);
    Check(loaded == (report.errors == 0) && loaded == script.Loaded);
    if (!loaded) {
        return 0;
    }
    Inspect(script, report);

    const std::vector<std::uint8_t> written = Rewrite(script, file);
    aw::InstallScript reloaded;
    Check(aw::ReadScript(written, reloaded, registry) == aw::ScriptReadResult::Loaded);
    Check(Rewrite(reloaded, written) == written);
    return 0;
}
