// "Do not use device driver": the helper driver is released or opened at once, and the user
// is told which.
#pragma once

#include "monitor/core/boxes/message_box.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/window/main_window_services.h"

namespace lw {

// Stores "NoVxd"; releases an open driver when it is set, opens a closed one when it is not
// (without asking it to hook the comm functions, which only start-up does).
void SwitchDriver(bool noVxd, MonitorSettings& settings, DriverControl& driver,
                  MessageBoxes& boxes);

}  // namespace lw
