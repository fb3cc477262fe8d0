// Where the installer's messages go: the controller shows them, tests collect them.
#pragma once

#include <string>

namespace aw {

class ErrorReport {
  public:
    virtual ~ErrorReport() = default;
    // A message for the user, already formatted (at most 512 characters are shown).
    virtual void ReportError(const std::string& message) = 0;
    // An internal consistency check failed at `line` of the source unit `unit` (such as "EVENT");
    // the caller carries on.
    virtual void CheckFailed(const char* unit, int line) = 0;
};

}  // namespace aw
