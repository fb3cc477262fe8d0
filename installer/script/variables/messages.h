// The error messages of substitution, expressions and the string list file. Each has one
// "%s": the offending text, the variable's name or the file's path.
#pragma once

#include <string>
#include <string_view>

namespace aw {

inline constexpr char kBadVariableNameMessage[] = "Bad variable name in expression %s";
inline constexpr char kUnknownVariableMessage[] = "Unknown variable in expression %s";
inline constexpr char kSyntaxErrorMessage[] = "Syntax error in expression %s";
inline constexpr char kTextTooLongMessage[] = "Text too long in expression %s";
inline constexpr char kTextTooLongForVariableMessage[] = "Text too long for variable %s";
inline constexpr char kUnableToOpenMessage[] = "Unable to open %s";
inline constexpr char kUnableToWriteMessage[] = "Unable to write %s";

// The message with the argument in place of its "%s".
std::string WithArgument(const char* format, std::string_view argument);

}  // namespace aw
