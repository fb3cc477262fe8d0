// What the Installer's registry operations need from the registry: single-level key changes,
// enumeration and raw value access. Keys are named as the log names them (root code and path).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/oplog/registry_key.h"

namespace aw {

// The registry's value types that the installer writes.
enum RegistryType : std::int32_t {
    kRegNone = 0,
    kRegText = 1,
    kRegExpandableText = 2,
    kRegBytes = 3,
    kRegNumber = 4,
    kRegTextList = 7,
};

struct RegistryValue {
    std::int32_t Type = kRegNone;
    std::vector<std::uint8_t> Data;
    bool operator==(const RegistryValue&) const = default;
};

struct NamedValue {
    std::string Name;
    RegistryValue Value;
};

class RegistryAccess {
  public:
    virtual ~RegistryAccess() = default;

    virtual bool KeyExists(const RegistryKey& key) = 0;
    // Creates the key below its existing parent.
    virtual bool CreateKey(const RegistryKey& key) = 0;
    // Deletes a key that has no subkeys left.
    virtual bool DeleteKey(const RegistryKey& key) = 0;
    // The names of the key's direct subkeys; none when the key cannot be opened or listed.
    virtual std::optional<std::vector<std::string>> SubkeyNames(const RegistryKey& key) = 0;
    // Every value of the key with its type and data; none when it cannot be listed.
    virtual std::optional<std::vector<NamedValue>> Values(const RegistryKey& key) = 0;
    // None when the key or the value is missing or cannot be read.
    virtual std::optional<RegistryValue> ReadValue(const RegistryKey& key,
                                                   const std::string& name) = 0;
    virtual bool WriteValue(const RegistryKey& key, const std::string& name,
                            const RegistryValue& value) = 0;
    virtual bool DeleteValue(const RegistryKey& key, const std::string& name) = 0;
};

}  // namespace aw
