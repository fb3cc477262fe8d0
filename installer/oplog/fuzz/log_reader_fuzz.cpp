// Fuzzes the reading of an operation log: an archived log is a file that anything may have
// damaged. Whatever reads must read again the same after it is written back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "installer/oplog/log_encoding.h"
#include "installer/oplog/log_loading.h"
#include "installer/script/model/error_report.h"

namespace {

class QuietReport : public aw::ErrorReport {
  public:
    void ReportError(const std::string&) override {}
    void CheckFailed(const char*, int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    aw::ParsedLog parsed = aw::ParseLog(std::span(data, size));
    if (parsed.Fault && parsed.Fault->Offset > size) {
        std::abort();
    }
    if (!parsed.HeaderRead) {
        return 0;
    }
    QuietReport report;
    std::vector<std::uint8_t> written = aw::EncodeHeader(parsed.Header);
    for (aw::LogRecord& record : parsed.Records) {
        (void)aw::StateAtLoad(record, report);
        const std::vector<std::uint8_t> bytes = aw::EncodeRecord(record);
        written.insert(written.end(), bytes.begin(), bytes.end());
    }
    const aw::ParsedLog again = aw::ParseLog(written);
    if (again.Fault || again.Header != parsed.Header || again.Records != parsed.Records) {
        std::abort();
    }
    return 0;
}
