// The installer's messages for a command-line tool: each on a line of its own.
#pragma once

#include <iosfwd>

#include "installer/script/model/error_report.h"

namespace aw {

class StreamReport : public ErrorReport {
  public:
    explicit StreamReport(std::ostream& err) : err_(err) {}
    void ReportError(const std::string& message) override;
    void CheckFailed(const char* unit, int line) override;

  private:
    std::ostream& err_;
};

}  // namespace aw
