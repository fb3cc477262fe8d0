// The dial-up statistics that the system publishes under HKEY_DYN_DATA.
#pragma once

#include "monitor/core/sampling/sampling_sources.h"

namespace lw {

class RegistryDialupStatistics : public DialupStatistics {
  public:
    DialupCounters Read(const std::string& connectionName) override;
};

}  // namespace lw
