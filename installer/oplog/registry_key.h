// A registry key as the installer names it: a root code and a key path below that root.
#pragma once

#include <cstdint>
#include <string>

namespace aw {

class LogFieldVisitor;

enum RegistryRoot : std::int32_t {
    kLocalMachine = 0,
    kClassesRoot = 1,
    kCurrentUser = 2,
    kUsers = 3,
    kCurrentConfig = 4,
};

struct RegistryKey {
    // Any other value is kept as it is and named "Unknown".
    std::int32_t Root = kLocalMachine;
    // At most 259 characters.
    std::string Path;

    // The path as a char text, then the root as an int.
    void Fields(LogFieldVisitor& v);
    bool operator==(const RegistryKey&) const = default;
};

// "HKEY_LOCAL_MACHINE" and so on; "Unknown" for any other code.
const char* RootLongName(std::int32_t root);
// "HKLM", "HKCR", "HKCU", "HKUS", "HKCF"; "Unknown" for any other code.
const char* RootShortName(std::int32_t root);
// "root\path" with the long root name, as messages show a key.
std::string KeyLongName(const RegistryKey& key);
// The same with the short root name, as lists show it.
std::string KeyShortName(const RegistryKey& key);

}  // namespace aw
