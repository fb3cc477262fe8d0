#include "tools/scriptdump/ansi_text.h"

#include <cstdint>

namespace aw {

std::string AnsiToJson(const std::string& ansi) {
    std::string utf8;
    utf8.reserve(ansi.size());
    for (const char c : ansi) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

// U+0080 to U+00FF are the two-byte sequences led by 0xC2 or 0xC3; every other lead byte above
// 0x7F starts a character that no ANSI byte stands for.
std::optional<std::string> JsonToAnsi(const std::string& utf8) {
    std::string ansi;
    ansi.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        if (lead < 0x80) {
            ansi.push_back(utf8[i]);
            continue;
        }
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 == utf8.size()) {
            return std::nullopt;
        }
        const auto trail = static_cast<std::uint8_t>(utf8[++i]);
        if ((trail & 0xC0) != 0x80) {
            return std::nullopt;
        }
        ansi.push_back(static_cast<char>(((lead & 0x03) << 6) | (trail & 0x3F)));
    }
    return ansi;
}

}  // namespace aw
