// Program entry of the monitor. The main window, its timer and the drawing are added as they
// are built; for now a run reads the monitored port's settings and writes them back, as
// start-up and exit do.
#include <windows.h>

#include <exception>

#include "monitor/core/settings_store.h"
#include "monitor/core/win32/appearance.h"
#include "monitor/core/win32/private_profile.h"
#include "monitor/core/win32/system_clock.h"

namespace {

void Run() {
    lw::PrivateProfile file;
    lw::Win32Appearance system;
    lw::SystemClock clock;
    lw::MonitorSettings settings;
    settings.DefaultPort = lw::ReadDefaultPort(file);
    lw::LoadPortSettings(settings, file, system, clock);
    if (settings.DefaultPort > 0) {
        lw::WriteDefaultPort(file, settings.DefaultPort);
        lw::SavePortSettings(settings, file);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        Run();
    } catch (const std::exception& error) {
        MessageBoxA(nullptr, error.what(), "LineWink", MB_OK | MB_ICONERROR);
        return 1;
    }
    return 0;
}
