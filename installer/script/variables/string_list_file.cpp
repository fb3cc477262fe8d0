#include "installer/script/variables/string_list_file.h"

#include "installer/script/variables/messages.h"

namespace aw {

std::string StringListPath(const std::string& directory) {
    if (!directory.empty() && directory.back() == '\\') {
        return directory + "strs";
    }
    return directory + "\\strs";
}

bool WriteStringListFile(std::span<const std::string> lines, const std::string& path,
                         OutputFiles& files, ErrorReport& errors) {
    const std::unique_ptr<OutputFile> file = files.Create(path);
    if (!file) {
        errors.ReportError(WithArgument(kUnableToOpenMessage, path));
        return false;
    }
    bool written = true;
    for (const std::string& line : lines) {
        written = written && file->Write(line) && file->Write("\r\n");
    }
    // Closed even after a failed write, so that the handle is never left open.
    const bool closed = file->Close();
    if (!written || !closed) {
        errors.ReportError(WithArgument(kUnableToWriteMessage, path));
        return false;
    }
    return true;
}

}  // namespace aw
