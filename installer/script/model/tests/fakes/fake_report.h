// Collects the loader's messages instead of showing them.
#pragma once

#include <string>
#include <vector>

#include "installer/script/model/error_report.h"

namespace aw::testing {

class FakeReport : public ErrorReport {
  public:
    void ReportError(const std::string& message) override { Errors.push_back(message); }
    void CheckFailed(const char* unit, int line) override {
        (void)line;
        CheckUnits.push_back(unit);
    }

    std::vector<std::string> Errors;
    std::vector<std::string> CheckUnits;
};

}  // namespace aw::testing
