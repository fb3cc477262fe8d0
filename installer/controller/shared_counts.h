// SharedDLLs: values under HKEY_LOCAL_MACHINE that count how many installations share a file
// in the system or common-files directory. The value name is the file's full path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace aw {

inline constexpr char kCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kSharedDllsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
inline constexpr char kCommonFilesValue[] = "CommonFilesDir";

// Registry value types.
inline constexpr std::uint32_t kTextValue = 1;
inline constexpr std::uint32_t kBytesValue = 3;
inline constexpr std::uint32_t kDoubleWordValue = 4;

struct RegistryData {
    std::uint32_t Type = 0;
    std::vector<std::uint8_t> Bytes;
    bool operator==(const RegistryData&) const = default;
};

// Values of keys under HKEY_LOCAL_MACHINE.
class SharedCountValues {
  public:
    virtual ~SharedCountValues() = default;
    // None when the key or the value is missing.
    virtual std::optional<RegistryData> Read(const std::string& key, const std::string& name) = 0;
    // Creates the key when it is missing.
    virtual bool Write(const std::string& key, const std::string& name,
                       const RegistryData& data) = 0;
    virtual bool Delete(const std::string& key, const std::string& name) = 0;
};

// The count a value holds: a missing value is 0; a 4-byte raw-bytes or double-word value is its
// little-endian number; anything else is not a count.
std::optional<std::uint32_t> SharedCountOf(const std::optional<RegistryData>& value);

// `count` as a value of the type the old one had, or 4 raw bytes when there was none.
RegistryData SharedCountValue(std::uint32_t count, const std::optional<RegistryData>& old);

// Whether `path` lies in (or below) the system or the common-files directory.
bool CountedLocation(const std::string& path, const std::string& systemDirectory,
                     const std::string& commonFilesDirectory);

// The common-files directory named by the registry's text value, or the system directory.
std::string CommonFilesDirectory(const std::optional<RegistryData>& value,
                                 const std::string& systemDirectory);

}  // namespace aw
