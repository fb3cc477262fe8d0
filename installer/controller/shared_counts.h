// SharedDLLs: values under HKEY_LOCAL_MACHINE that count how many installations share a file
// in the system or common-files directory. The value name is the file's full path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "installer/controller/registry/registry_access.h"

namespace aw {

inline constexpr char kCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kSharedDllsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
inline constexpr char kCommonFilesValue[] = "CommonFilesDir";

// The count a value holds: a missing value is 0; a 4-byte raw-bytes or double-word value is its
// little-endian number; anything else is not a count.
std::optional<std::uint32_t> SharedCountOf(const std::optional<RegistryValue>& value);

// `count` as a value of the type the old one had, or 4 raw bytes when there was none.
RegistryValue SharedCountValue(std::uint32_t count, const std::optional<RegistryValue>& old);

// Whether `path` lies in (or below) the system or the common-files directory.
bool CountedLocation(const std::string& path, const std::string& systemDirectory,
                     const std::string& commonFilesDirectory);

// The common-files directory named by the registry's text value, or the system directory.
std::string CommonFilesDirectory(const std::optional<RegistryValue>& value,
                                 const std::string& systemDirectory);

}  // namespace aw
