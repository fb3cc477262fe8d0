// What the registry event hands over for one value, and how its data becomes registry bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/controller/registry/registry_access.h"
#include "installer/oplog/registry_key.h"

namespace aw {

struct RegistryValueRequest {
    RegistryKey Key;
    std::string Name;
    // 0 only creates the key; 1, 2, 3, 4 and 7 write a value of that type; others write nothing.
    std::int32_t Type = kRegNone;
    // Types 1 and 2.
    std::string Text;
    // Type 3.
    std::vector<std::uint8_t> Bytes;
    // Type 4.
    std::uint32_t Number = 0;
    // Type 7.
    std::vector<std::string> Texts;
};

// The bytes a request writes: a text with its terminating zero, the raw bytes, the number in
// 4 little-endian bytes, or the texts one after another, each ended by a zero, and a final zero.
// None for type 0 and for types the installer does not write.
std::optional<RegistryValue> RequestedValue(const RegistryValueRequest& request);

// The registry event numbers its roots differently from the log: 0 HKEY_CLASSES_ROOT,
// 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS, 4 HKEY_CURRENT_CONFIG. Gives the
// log's root code, none outside 0..4.
std::optional<std::int32_t> RootOfEventIndex(std::int32_t index);

}  // namespace aw
