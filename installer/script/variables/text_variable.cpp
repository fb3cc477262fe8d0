#include "installer/script/variables/text_variable.h"

#include <cstring>

namespace aw {

std::string_view TextVariable::Text() const {
    const void* end = std::memchr(buffer_, '\0', kMaxLength);
    const std::size_t length =
        end == nullptr ? kMaxLength : static_cast<const char*>(end) - buffer_;
    return std::string_view(buffer_, length);
}

bool TextVariable::Assign(std::string_view text) {
    if (text.size() > kMaxLength) {
        return false;
    }
    std::memcpy(buffer_, text.data(), text.size());
    buffer_[text.size()] = '\0';
    return true;
}

}  // namespace aw
