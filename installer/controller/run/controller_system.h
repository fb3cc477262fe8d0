// Everything the install controller needs from the system, in one bundle: the Installer's
// services (files, versions, decompression, system changes), the operation log's files, the
// machine and the controller's windows. The Win32 bundle is in win32/; tests build one of fakes.
#pragma once

#include "installer/controller/decompression_library.h"
#include "installer/controller/file_system.h"
#include "installer/controller/run/controller_windows.h"
#include "installer/controller/run/machine.h"
#include "installer/controller/system_services.h"
#include "installer/controller/version_library.h"
#include "installer/oplog/log_files.h"

namespace aw {

struct ControllerSystem {
    FileSystem& files;
    VersionLibrary& versions;
    DecompressionLibrary& decompression;
    SystemServices& system;
    LogFiles& logFiles;
    Machine& machine;
    ControllerWindows& windows;
};

}  // namespace aw
