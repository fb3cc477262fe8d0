// The monitor's helper driver, opened as a device from the program's directory.
#pragma once

#include <windows.h>

#include "monitor/core/sampling/sampling_sources.h"

namespace lw {

class DriverDevice : public HelperDriver {
  public:
    DriverDevice() = default;
    DriverDevice(const DriverDevice&) = delete;
    DriverDevice& operator=(const DriverDevice&) = delete;
    ~DriverDevice() override { Close(); }

    // Opens "LNWINK95.VXD" beside the program; false (and closed) when it cannot be opened.
    bool Open();
    // Asks the driver to hook the 32-bit comm functions; true when it did.
    bool Hook();
    // Releases the hook and closes the device.
    void Close();

    bool IsOpen() const override { return device_ != INVALID_HANDLE_VALUE; }
    DriverAnswer Call(DriverCode code) override;
    DriverAnswer WatchedPort(std::array<char, 4>& name) override;

  private:
    DriverAnswer Control(DriverCode code, void* output, DWORD outputSize);

    HANDLE device_ = INVALID_HANDLE_VALUE;
};

}  // namespace lw
