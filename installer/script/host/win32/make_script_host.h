// Makes the script host, the installer's personality of awmain, with its Win32 windows and files.
#pragma once

#include <windows.h>

#include <memory>

#include "installer/controller/run/install_controller.h"

namespace aw {

std::unique_ptr<InstallController> MakeScriptHost(ControllerSystem& system, HINSTANCE instance);

}  // namespace aw
