#include "installer/controller/copy_host.h"

#include <cctype>
#include <cstring>

namespace aw {

namespace {

// Length of the conversion that starts at text[at] (a '%'), flags, width, precision and length
// modifiers included; 1 when nothing that looks like a conversion follows.
std::size_t ConversionLength(const std::string& text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && std::strchr("-+ #0123456789.hlLqjzt", text[end]) != nullptr) {
        ++end;
    }
    if (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) {
        return end + 1 - at;
    }
    return 1;
}

}  // namespace

std::string InsertIntoText(const std::string& text, const std::string& value) {
    std::string out;
    bool inserted = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '%') {
            out += text[i++];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        const std::size_t length = ConversionLength(text, i);
        if (length == 1) {
            out += '%';
        } else if (!inserted) {
            out += value;
            inserted = true;
        }
        i += length;
    }
    return out;
}

}  // namespace aw
