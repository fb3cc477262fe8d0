// The controller's error message, as the variables and expressions use it.
#pragma once

#include <string>

namespace aw {

class ErrorReport {
  public:
    virtual ~ErrorReport() = default;
    // Shows `format` with `argument` in place of its one "%s".
    virtual void ReportError(const char* format, const std::string& argument) = 0;
};

}  // namespace aw
