// Program entry of the monitor.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "monitor/core/window/win32/monitor_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    try {
        return lw::RunMonitor(std::vector<std::string>(__argv + 1, __argv + __argc), showCommand);
    } catch (const std::exception& error) {
        MessageBoxA(nullptr, error.what(), "LineWink", MB_OK | MB_ICONERROR);
        return 1;
    }
}
