#include "installer/controller/shell/shell_names.h"

#include <algorithm>

namespace aw {

bool SendableName(std::string_view name) {
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return c == '"' || static_cast<unsigned char>(c) < 0x20; });
}

bool SafeGroupName(std::string_view group) {
    if (!SendableName(group) || group.find_first_of(":/") != std::string_view::npos) {
        return false;
    }
    for (std::size_t at = 0; at <= group.size();) {
        const std::size_t end = std::min(group.find('\\', at), group.size());
        const std::string_view part = group.substr(at, end - at);
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
        at = end + 1;
    }
    return true;
}

bool SafeItemName(std::string_view name) {
    return SendableName(name) && !name.empty() && name != "." && name != ".." &&
           name.find_first_of(":/\\") == std::string_view::npos;
}

}  // namespace aw
