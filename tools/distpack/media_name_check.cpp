#include "tools/distpack/media_name_check.h"

#include <string_view>

namespace aw {

std::string MediaNameProblem(const std::string& name) {
    if (name.empty()) {
        return "the name on the media is empty";
    }
    if (name.size() > kMaxMediaName) {
        return "the name on the media is over 259 characters";
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return "the name on the media holds a character that a file name cannot";
        }
    }
    if (name.back() == '.' || name.back() == ' ') {
        return "the name on the media ends in a dot or a blank, which Windows drops";
    }
    return {};
}

}  // namespace aw
