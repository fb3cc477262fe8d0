// Cost of reading an install script as it grows: one event of every known class in rotation,
// with a distribution-file list a fifth as long. Prints size, bytes and the best read time, so
// that the growth per event can be seen.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/error_report.h"
#include "installer/script/model/script_loader.h"
#include "tools/scriptbuild/script_writer.h"

namespace {

using namespace aw;

class PrintedReport : public ErrorReport {
  public:
    void ReportError(const std::string& message) override {
        std::printf("error: %s\n", message.c_str());
    }
    void CheckFailed(const char* unit, int line) override {
        std::printf("check failed: %s %d\n", unit, line);
    }
};

// Gives every text of a record a value of its own, so that none stays at its default.
class TextFiller : public FieldVisitor {
  public:
    TextFiller(InstallScript& script, long serial)
        : FieldVisitor(script, FieldPass::Inspect), serial_(std::to_string(serial)) {}

    using FieldVisitor::CharText;
    using FieldVisitor::Int;
    void Int(const char*, std::int32_t&) override {}
    void Uint(const char*, std::uint32_t&) override {}
    void Long(const char*, std::int32_t&) override {}
    void Text(const char* name, std::string& value) override {
        value = std::string(name) + " of event " + serial_;
    }
    void CharText(const char* name, char* buffer, std::size_t size) override {
        std::snprintf(buffer, size, "C:\\%s\\%s", name, serial_.c_str());
    }

  private:
    std::string serial_;
};

std::vector<std::int32_t> KnownCodes(const EventRegistry& registry) {
    std::vector<std::int32_t> codes;
    for (std::int32_t code = 0; code <= 60; ++code) {
        if (registry.Create(code)) {
            codes.push_back(code);
        }
    }
    return codes;
}

InstallScript MakeScript(const EventRegistry& registry, long events) {
    InstallScript script;
    script.Info.ProductName = "Load benchmark";
    for (long i = 0; i < events / 5; ++i) {
        DistributionFile& file = script.Build.Files.AddNew();
        file.FirstSize = static_cast<std::int32_t>(1000 + i);
        file.Source = "disk" + std::to_string(1 + i / 500);
        file.FileName = "FILE" + std::to_string(i) + ".DAT";
    }
    const std::vector<std::int32_t> codes = KnownCodes(registry);
    for (long i = 0; i < events; ++i) {
        auto event = registry.Create(codes[static_cast<std::size_t>(i) % codes.size()]);
        TextFiller filler(script, i);
        event->Fields(filler);
        event->UndoClass = static_cast<std::int32_t>(i % 3);
        script.Events.Add(std::move(event));
    }
    return script;
}

// The best of several reads, in milliseconds; negative when a read fails.
double BestReadMs(const std::vector<std::uint8_t>& bytes, const EventRegistry& registry, int runs) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        InstallScript loaded;
        const auto start = std::chrono::steady_clock::now();
        const ScriptReadResult result = ReadScript(bytes, loaded, registry);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (result != ScriptReadResult::Loaded) {
            return -1;
        }
        best = std::min(best, std::chrono::duration<double, std::milli>(elapsed).count());
    }
    return best;
}

}  // namespace

int main() {
    PrintedReport report;
    EventRegistry registry(report);
    if (!RegisterEventClasses(registry)) {
        return 1;
    }
    std::printf("event classes: %zu, 32-bit file, version 302, best of 7 reads\n",
                registry.Count());
    std::printf("%10s %12s %12s %14s\n", "events", "bytes", "load ms", "us per event");
    for (long events : {1'000L, 10'000L, 100'000L}) {
        InstallScript script = MakeScript(registry, events);
        const auto bytes = WriteScript(script, false, 302);
        if (!bytes) {
            std::printf("the writer refused the %ld-event script\n", events);
            return 1;
        }
        const double ms = BestReadMs(*bytes, registry, 7);
        if (ms < 0) {
            std::printf("the %ld-event script did not load\n", events);
            return 1;
        }
        std::printf("%10ld %12zu %12.2f %14.3f\n", events, bytes->size(), ms,
                    ms * 1000.0 / static_cast<double>(events));
    }
    return 0;
}
