// The helper driver's life and the modem's initialisation, for the main window.
#pragma once

#include "monitor/core/sampling/win32/driver_device.h"
#include "monitor/core/window/main_window_services.h"
#include "monitor/serial/win32/qc_com32.h"

namespace lw {

// The device the sampler asks, opened and released by the main window.
class DriverDeviceControl : public DriverControl {
  public:
    explicit DriverDeviceControl(DriverDevice& device) : device_(device) {}
    bool Open() override { return device_.Open(); }
    bool Hook() override { return device_.Hook(); }
    bool IsOpen() const override { return device_.IsOpen(); }
    void Release() override { device_.Close(); }

  private:
    DriverDevice& device_;
};

// The main window's serial port component, as stored with the window.
class SerialModemInitializer : public ModemInitializer {
  public:
    explicit SerialModemInitializer(MessageBoxes& boxes);
    void Exchange(int port, const std::string& initString) override;
    T_QCCom32& Com() { return *com_; }

  private:
    Win32QCCom32 com_;
};

}  // namespace lw
