#include "tools/common/stream_report.h"

#include <ostream>

namespace aw {

void StreamReport::ReportError(const std::string& message) {
    err_ << message << '\n';
}

void StreamReport::CheckFailed(const char* unit, int line) {
    err_ << "Internal check failed: " << unit << " line " << line << '\n';
}

}  // namespace aw
