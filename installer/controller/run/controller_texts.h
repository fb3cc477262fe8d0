// The texts the install controller shows, by their number in the language library, and the
// English texts it shows while no library is loaded.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

namespace aw {

// The English text of that number; empty for a number the controller never shows.
std::string EnglishText(std::uint32_t number);

// Formats like vprintf into at most 512 characters.
std::string FormatMessage(const char* format, std::va_list arguments);

// The messages of the controller's failures.
namespace message {
inline constexpr char kSettingsMissing[] = "p or sz undefined in awmain.ini";
inline constexpr char kInvalidPackaging[] = "Invalid packaging-media combination";
inline constexpr char kNoDiskMap[] = "Unable to get the disk map";
inline constexpr char kNoAuxFiles[] = "Unable to copy the aux files";
inline constexpr char kNoLanguage[] = "Unable to load language DLL";
inline constexpr char kNoScreen[] = "Unable to realize the install screen";
inline constexpr char kNoIconWindow[] = "Unable to create the icon window";
inline constexpr char kNoUninstaller[] = "Unable to install the uninstaller";
inline constexpr char kCannotExecute[] = "Unable to execute %s";
inline constexpr char kNoArgument[] = "No argument at %d";
inline constexpr char kCheckFailed[] = "Check failed at line %d in file %s";
}  // namespace message

}  // namespace aw
