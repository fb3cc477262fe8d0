// The registry through the advapi32 functions.
#pragma once

#include "installer/controller/registry/registry_access.h"

namespace aw {

class Win32RegistryAccess : public RegistryAccess {
  public:
    bool KeyExists(const RegistryKey& key) override;
    bool CreateKey(const RegistryKey& key) override;
    bool DeleteKey(const RegistryKey& key) override;
    std::optional<std::vector<std::string>> SubkeyNames(const RegistryKey& key) override;
    std::optional<std::vector<NamedValue>> Values(const RegistryKey& key) override;
    std::optional<RegistryValue> ReadValue(const RegistryKey& key,
                                           const std::string& name) override;
    bool WriteValue(const RegistryKey& key, const std::string& name,
                    const RegistryValue& value) override;
    bool DeleteValue(const RegistryKey& key, const std::string& name) override;
};

}  // namespace aw
