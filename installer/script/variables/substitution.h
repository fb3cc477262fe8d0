// `$` substitution: script texts name text variables as $name or ${name}.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// The texts that substitution may insert, looked up when a name is met.
class TextValues {
  public:
    virtual ~TextValues() = default;
    // The variable's current text, or none when no text variable has that name.
    virtual std::optional<std::string> Find(std::string_view name) = 0;
};

enum class SubstitutionError {
    kNone,
    kBadName,          // a character outside letters, digits and `_` in braces, an open brace
    kUnknownVariable,  // a well-formed name that no text variable has
    kTooLong,          // the result would not fit in the destination
};

struct Substitution {
    SubstitutionError error = SubstitutionError::kNone;
    std::string text;  // empty after a failure
};

// Copies `text`, replacing variable references by their values; inserted values are not
// substituted again. The result holds at most `maxLength` characters.
Substitution Substitute(std::string_view text, TextValues& values, std::size_t maxLength);

}  // namespace aw
