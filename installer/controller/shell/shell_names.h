// Names of groups and items that the shell can be given safely: Program Manager takes them
// inside double quotes in its commands, and the Start menu makes them folders and files below
// its Programs folder.
#pragma once

#include <string_view>

namespace aw {

// No double quote, which would end the command's string, and no control character.
bool SendableName(std::string_view name);

// Sendable, not empty, and a path that stays below the Programs folder: no drive, no leading
// backslash, no empty, "." or ".." part.
bool SafeGroupName(std::string_view group);

// Sendable, not empty, and one file name: no drive or directory part, not "." or "..".
bool SafeItemName(std::string_view name);

}  // namespace aw
