// Version resources and the in-use test through the system's version library.
#pragma once

#include "installer/controller/version_library.h"

namespace aw {

class Win32VersionLibrary : public VersionLibrary {
  public:
    std::optional<FileVersionInfo> Version(const std::string& path) override;
    bool InUse(const std::string& path) override;
};

}  // namespace aw
