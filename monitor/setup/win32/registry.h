// The system registry behind the settings dialog's keys.
#pragma once

#include "monitor/setup/registry.h"

namespace lw {

class Win32Registry : public Registry {
  public:
    // Asks for reading and writing; a key that refuses writing is opened for reading only,
    // and its writes then fail.
    std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path) override;
};

}  // namespace lw
