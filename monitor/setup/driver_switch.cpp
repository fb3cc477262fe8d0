#include "monitor/setup/driver_switch.h"

#include "monitor/core/window/main_window_texts.h"

namespace lw {

void SwitchDriver(bool noVxd, MonitorSettings& settings, DriverControl& driver,
                  MessageBoxes& boxes) {
    settings.NoVxd = noVxd ? 1 : 0;
    if (noVxd) {
        if (driver.IsOpen()) {
            driver.Release();
            boxes.Show("LNWINK95.VXD unloaded.", MessageIcon::None, MessageButtons::Ok);
        }
        return;
    }
    if (driver.IsOpen()) {
        return;
    }
    if (driver.Open()) {
        boxes.Show("LNWINK95.VXD loaded.", MessageIcon::None, MessageButtons::Ok);
    } else {
        boxes.Show(kDriverMissingText, MessageIcon::Warning, MessageButtons::Ok);
    }
}

}  // namespace lw
