// Icons from files and from the program's resources.
#pragma once

#include "monitor/tray/tray_system.h"

namespace lw {

class Win32IconLoader : public IconLoader {
  public:
    std::shared_ptr<const IconImage> FromFile(const std::string& path) override;
    std::shared_ptr<const IconImage> FromResource(const std::string& name) override;
};

}  // namespace lw
