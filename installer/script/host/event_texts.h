// The text rules of single events: numbers read from texts, registry bytes written as
// hexadecimal pairs, backup names and the name patterns of the file list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

inline constexpr char kUnableToConvertMessage[] = "Unable to convert %s to integer";
// Registry bytes that are not hexadecimal pairs: the event fails, and says why.
inline constexpr char kBadHexBytesMessage[] = "Invalid hexadecimal bytes %s";

// An optionally signed decimal integer with blanks before and after it and nothing else; none
// otherwise, and for a number outside 32 bits.
std::optional<std::int32_t> ReadWholeInteger(std::string_view text);

// "0a,ff,00": two hexadecimal digits per byte, each pair followed by one separator character;
// as many bytes as the text has commas plus one. None when a digit is not hexadecimal or the
// text ends inside a pair.
std::optional<std::vector<std::uint8_t>> ReadHexPairs(std::string_view text);

// The texts of a multi-string value: the lines of the text, at CR LF, LF or CR.
std::vector<std::string> MultiStringTexts(std::string_view text);

// The same path with the file's extension replaced by "bak" (added when it has none).
std::string BackupName(const std::string& path);

// The name pattern of a file list's wildcard text: the text after a leading "+"
// (after "++" or "+-"), up to the next "+" or "-"; none for any other text.
std::optional<std::string> NamePattern(std::string_view wildcards);

// A distribution file's name as the pattern gives it: name and extension are each matched
// against the pattern's part, where "?" keeps the character at its place, "*" keeps the rest,
// and any other character stands for itself ("*.bak" makes "readme.txt" "readme.bak").
std::string ApplyNamePattern(std::string_view pattern, std::string_view name);

}  // namespace aw
