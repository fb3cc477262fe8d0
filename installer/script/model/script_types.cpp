#include "installer/script/model/script_types.h"

#include <algorithm>

namespace aw {

std::string FixedTextValue(const FixedText& text) {
    const auto end = std::find(text.begin(), text.end(), '\0');
    return std::string(text.begin(), end);
}

void SetFixedText(FixedText& text, const std::string& value) {
    const std::size_t length = std::min(value.size(), kFixedTextSize - 1);
    std::copy_n(value.begin(), length, text.begin());
    std::fill(text.begin() + static_cast<std::ptrdiff_t>(length), text.end(), '\0');
}

}  // namespace aw
