#include "installer/controller/installer.h"

#include <cstdarg>
#include <cstdio>

#include "installer/script/model/error_report.h"

namespace aw {

LogSink& Installer::AttachLog(LogSink& sink) {
    LogSink& previous = *log_;
    log_ = &sink;
    log_->SetUndoClass(undoClass_);
    return previous;
}

void Installer::DetachLog() {
    log_ = &discarding_;
}

void Installer::SetUndoClass(std::int32_t undoClass) {
    undoClass_ = undoClass;
    log_->SetUndoClass(undoClass);
}

void Installer::ReportError(const char* format, ...) {
    char text[kLongestMessage + 1];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    lastError_ = length < 0 ? std::string(format) : std::string(text);
    if (!silent_) {
        services_.report.ReportError(lastError_);
    }
}

void Installer::CheckFailed(int line) {
    services_.report.CheckFailed("INSTALLR", line);
}

}  // namespace aw
