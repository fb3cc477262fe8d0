#include "installer/oplog/win32/uninstaller_main.h"

#include "installer/controller/installer.h"
#include "installer/controller/win32/win32_decompression_library.h"
#include "installer/controller/win32/win32_file_system.h"
#include "installer/controller/win32/win32_system_services.h"
#include "installer/controller/win32/win32_version_library.h"
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
    Win32FileSystem files;
    Win32VersionLibrary versions;
    Win32DecompressionLibrary decompression;
    NoMedia media;
    UndoProgress progress;
    UndoQuestions questions(texts);
    Win32SystemServices system;
    Installer installer(
        {report, files, versions, decompression, media, progress, questions, system.Services()});
    installer.SetSilent(true);

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
