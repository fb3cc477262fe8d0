// The serial chip's registers through user-mode port I/O, which only the Windows 95 family
// allows, and only to 32-bit x86 programs. Elsewhere the adapter reports no access and never
// executes an I/O instruction.
#pragma once

#include "monitor/core/sampling/sampling_sources.h"

namespace lw {

class ChipRegisters : public PortRegisters {
  public:
    ChipRegisters();
    bool HasAccess() const override { return access_; }
    std::uint8_t Read(std::uint16_t address) override;
    void Write(std::uint16_t address, std::uint8_t value) override;

  private:
    bool access_ = false;
};

}  // namespace lw
