// setup: the distribution medium's launcher of the installer.
#include <windows.h>

#include "installer/launcher/launcher_arguments.h"
#include "installer/launcher/win32/program_text.h"
#include "installer/launcher/win32/win32_launcher_system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const aw::LauncherArguments arguments =
        aw::ParseLauncherArguments(aw::CommandTail(GetCommandLineA()));
    if (arguments.Help) {
        aw::ShowText(aw::kLauncherHelp, "Setup");
        return 0;
    }
    aw::Win32LauncherSystem system(arguments.Unattended);
    if (!arguments.Problem.empty()) {
        system.Report(arguments.Problem);
        return 1;
    }
    return aw::RunLauncher(system, arguments);
}
