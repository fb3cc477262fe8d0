#include "installer/script/model/script_types.h"

#include <algorithm>

namespace aw {

void FixedText::Assign(std::string_view value) {
    value_ = value.substr(0, std::min(value.find('\0'), kFixedTextSize - 1));
}

std::string FixedTextValue(const FixedText& text) {
    return text.Value();
}

void SetFixedText(FixedText& text, const std::string& value) {
    text.Assign(value);
}

}  // namespace aw
