// Script texts are bytes in the Windows ANSI code page, JSON strings are Unicode. The readable
// form maps them byte for code point: byte N is U+00NN. That is lossless both ways whatever the
// code page was, and keeps the dump plain ASCII when written with \u escapes.
#pragma once

#include <optional>
#include <string>

namespace aw {

// The UTF-8 text whose code points are the bytes of `ansi`.
std::string AnsiToJson(const std::string& ansi);

// The bytes back; none when `utf8` holds a character beyond U+00FF or is not valid UTF-8.
std::optional<std::string> JsonToAnsi(const std::string& utf8);

}  // namespace aw
