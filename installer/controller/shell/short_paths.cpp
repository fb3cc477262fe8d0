#include "installer/controller/shell/short_paths.h"

namespace aw {

std::string ShortenQuotedPaths(const std::string& commandLine, ShortPaths& paths) {
    std::string result;
    std::size_t at = 0;
    while (at < commandLine.size()) {
        const std::size_t open = commandLine.find('"', at);
        const std::size_t close =
            open == std::string::npos ? std::string::npos : commandLine.find('"', open + 1);
        if (close == std::string::npos) {
            result.append(commandLine, at);
            break;
        }
        result.append(commandLine, at, open - at);
        const std::string path = commandLine.substr(open + 1, close - open - 1);
        const std::string shortForm = paths.ShortForm(path);
        if (shortForm.find(' ') == std::string::npos) {
            result += shortForm;
        } else {
            result += "\"" + path + "\"";
        }
        at = close + 1;
    }
    return result;
}

}  // namespace aw
