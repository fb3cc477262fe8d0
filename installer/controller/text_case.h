// Texts compared as Windows compares file, key, section and group names: without regard to the
// case of ASCII letters.
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace aw {

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

inline bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace aw
