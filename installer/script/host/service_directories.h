// The controller's directories as `$` substitution asks for them.
#pragma once

#include <string>

#include "installer/controller/run/controller_services.h"
#include "installer/script/variables/script_environment.h"

namespace aw {

class ServiceDirectories : public ControllerDirectories {
  public:
    explicit ServiceDirectories(ControllerServices& services) : services_(services) {}
    std::string SourceDirectory() override { return services_.SourceDirectory(); }
    std::string OwnDirectory() override { return services_.OwnDirectory(); }

  private:
    ControllerServices& services_;
};

}  // namespace aw
