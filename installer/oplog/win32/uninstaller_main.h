// The uninstaller's personality of awmain: started without "awmain.ini" beside it.
#pragma once

#include <windows.h>

namespace aw {

// Initialises, runs and cleans up the uninstall controller; the program's exit code.
int UninstallerMain(HINSTANCE instance, const char* commandLine);

}  // namespace aw
