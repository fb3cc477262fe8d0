// The settings of a COM port asked from the port itself, through a handle for device queries
// only, when no one else holds it.
#pragma once

#include "monitor/core/sampling_sources.h"

namespace lw {

class CommStatePorts : public CommPortSettings {
  public:
    void Query(int port, PortState& state) override;
};

}  // namespace lw
