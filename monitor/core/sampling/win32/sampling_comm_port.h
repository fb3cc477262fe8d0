// The settings of a COM port asked from the port itself, through a handle for device queries
// only, when no one else holds it.
#pragma once

#include "monitor/core/sampling/sampling_sources.h"

namespace lw {

class CommStatePorts : public CommPortSettings {
  public:
    void Query(int port, PortState& state) override;
};

// Opens COM `port` for device queries only and, when it opens, reads its settings into `state`
// (what the system does not tell stays as it was) and closes it again. False when the port
// cannot be opened: it is missing, or another program holds it.
bool QueryCommPort(int port, PortState& state);

}  // namespace lw
