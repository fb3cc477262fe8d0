#include "installer/oplog/win32/uninstaller_main.h"

#include "installer/oplog/uninstall/uninstall_controller.h"
#include "installer/oplog/uninstall/uninstall_paths.h"
#include "installer/oplog/win32/log_files.h"
#include "installer/oplog/win32/undo_installer_parts.h"
#include "installer/oplog/win32/uninstall_dialog.h"
#include "installer/oplog/win32/win32_uninstall_system.h"

namespace aw {

int UninstallerMain(HINSTANCE, const char* commandLine) {
    const bool unattended = HasUnattendedSwitch(commandLine == nullptr ? "" : commandLine);
    Win32UninstallReport report(unattended);
    LibraryTexts texts;
    UndoInstaller undo(report, texts);
    Installer& installer = undo.installer;

    Win32LogFiles logFiles;
    Win32UninstallSystem uninstallSystem;
    Win32UninstallView view(texts);
    Win32UndoUser person(texts);
    UnattendedUndoUser nobody(texts);
    Win32PassClock clock;
    UninstallController controller(
        {installer, logFiles, uninstallSystem, view,
         unattended ? static_cast<UndoUser&>(nobody) : person, clock, report},
        unattended);
    if (!controller.Initialise()) {
        return controller.InitialiseExitCode();
    }
    const int result = controller.Run();
    controller.CleanUp();
    // A person has seen how it went; a command needs to be told.
    return unattended ? result : 0;
}

}  // namespace aw
