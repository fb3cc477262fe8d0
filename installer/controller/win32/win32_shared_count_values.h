// SharedDLLs values in the registry under HKEY_LOCAL_MACHINE.
#pragma once

#include "installer/controller/shared_counts.h"

namespace aw {

class Win32SharedCountValues : public SharedCountValues {
  public:
    std::optional<RegistryData> Read(const std::string& key, const std::string& name) override;
    bool Write(const std::string& key, const std::string& name, const RegistryData& data) override;
    bool Delete(const std::string& key, const std::string& name) override;
};

}  // namespace aw
