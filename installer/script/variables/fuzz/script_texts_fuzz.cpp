// Fuzzes the texts of a script's events as the events use them: each input is evaluated as a
// condition and expanded by `$` substitution, into a path-sized buffer and without a limit.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "installer/script/model/error_report.h"
#include "installer/script/variables/script_environment.h"

namespace {

class CountingReport : public aw::ErrorReport {
  public:
    void ReportError(const std::string&) override { ++errors; }
    void CheckFailed(const char*, int) override { std::abort(); }
    int errors = 0;
};

class Directories : public aw::ControllerDirectories {
  public:
    std::string SourceDirectory() override { return "A:\\DISK1"; }
    std::string OwnDirectory() override { return "C:\\TEMP\\AW"; }
};

class NoFiles : public aw::OutputFiles {
  public:
    std::unique_ptr<aw::OutputFile> Create(const std::string&) override { return nullptr; }
};

// Every operation reports exactly one message when it fails and none when it succeeds.
void ExpectReported(bool succeeded, CountingReport& report) {
    if (report.errors != (succeeded ? 0 : 1)) {
        std::abort();
    }
    report.errors = 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CountingReport report;
    Directories directories;
    NoFiles files;
    aw::ScriptEnvironment environment(report, directories, files);
    environment.StoreText(*environment.TextVariableNamed("i"), "C:\\PROGRAM FILES\\APP");
    environment.StoreText(*environment.TextVariableNamed("w"), "$i\\$$");
    *environment.IntegerVariable("minspace") = 2048;
    *environment.IntegerVariable("exitcode1") = -1;

    std::int32_t value = 0;
    ExpectReported(environment.Evaluate(text, value), report);

    std::array<char, 260> path{};
    const bool expanded = environment.Expand(text, path);
    ExpectReported(expanded, report);
    std::string unlimited;
    const bool expandedWhole = environment.Expand(text, unlimited);
    ExpectReported(expandedWhole, report);
    // A text without `$` is copied as it stands.
    if (expandedWhole && text.find('$') == std::string_view::npos && unlimited != text) {
        std::abort();
    }
    // What fits the buffer is the same text, up to its first NUL.
    const std::string_view whole = std::string_view(unlimited).substr(0, unlimited.find('\0'));
    if (expanded && (!expandedWhole || std::string_view(path.data()) != whole)) {
        std::abort();
    }
    return 0;
}
