// movexe: acts on the installer engine's hand-over once the engine has ended.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "installer/launcher/win32/program_text.h"
#include "installer/movexe/movexe_command.h"
#include "installer/movexe/win32/win32_movexe_system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> args(__argv + 1, __argv + __argc);
    const aw::MovexeCommand command = aw::ParseMovexeArguments(args);
    if (command.Help) {
        aw::ShowText(aw::kMovexeHelp, "movexe");
        return 0;
    }
    aw::Win32MovexeSystem system(command.Options.Unattended);
    if (!command.Problem.empty()) {
        system.Report(command.Problem + " (movexe --help tells the usage)");
        return 1;
    }
    return aw::RunMovexe(system, command.Options);
}
