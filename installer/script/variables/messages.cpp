#include "installer/script/variables/messages.h"

namespace aw {

std::string WithArgument(const char* format, std::string_view argument) {
    std::string message = format;
    const std::size_t at = message.find("%s");
    if (at != std::string::npos) {
        message.replace(at, 2, argument);
    }
    return message;
}

}  // namespace aw
