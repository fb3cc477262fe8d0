// Fuzzes the uninstaller's reading of an archived log, which anything may have damaged: a log
// cut inside a record gives its whole records, any other damage nothing, and every record it
// gives can be shown in the detailed view.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "installer/oplog/log_encoding.h"
#include "installer/oplog/uninstall/record_details.h"
#include "installer/oplog/uninstall/undo_log.h"
#include "installer/script/model/error_report.h"

namespace {

class QuietReport : public aw::ErrorReport {
  public:
    void ReportError(const std::string&) override {}
    void CheckFailed(const char*, int) override {}
};

class OneFile : public aw::LogFiles {
  public:
    explicit OneFile(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::unique_ptr<aw::OutputFile> Create(const std::string&) override { return nullptr; }
    std::unique_ptr<aw::OutputFile> OpenForAppend(const std::string&) override { return nullptr; }
    bool ReadWholeFile(const std::string&, std::vector<std::uint8_t>& bytes) override {
        bytes.assign(bytes_.begin(), bytes_.end());
        return true;
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OneFile file(std::span(data, size));
    QuietReport report;
    const std::optional<aw::UndoLog> log = aw::ReadUndoLog(file, "log", report);
    const aw::ParsedLog parsed = aw::ParseLog(std::span(data, size));
    if (log.has_value() != (parsed.HeaderRead && (!parsed.Fault || parsed.Fault->CutShort))) {
        std::abort();
    }
    if (!log) {
        return 0;
    }
    if (log->Records.size() > parsed.Records.size() ||
        log->WholeRecordsBeforeCut.has_value() != parsed.Fault.has_value()) {
        std::abort();
    }
    for (const aw::LogRecord& record : log->Records) {
        (void)aw::RecordDetailLines(record);
    }
    return 0;
}
