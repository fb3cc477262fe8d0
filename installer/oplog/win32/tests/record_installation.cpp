// Installs a small product for the residue test, as an installation run would leave it: every
// change made by the Installer and recorded by the operation log into "awlog3.000" of the back
// directory, the uninstaller and its language library beside it, the Uninstall key made.
//
//     record_installation <directory of the built programs>
#include <windows.h>

#include <cstdio>
#include <string>

#include "installer/controller/shared_counts.h"
#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/oplog/operation_log.h"
#include "installer/oplog/uninstall/uninstall_paths.h"
#include "installer/oplog/win32/log_files.h"

namespace aw {
namespace {

constexpr char kProduct[] = "Residue Test";
constexpr char kProductDirectory[] = "C:\\Program Files\\Residue Test";
constexpr char kBack[] = "C:\\Program Files\\Residue Test\\uninst";

bool Install(Installer& installer, const std::string& programs) {
    FileSystem& files = installer.Services().files;
    const std::string system = files.SystemDirectory();
    const std::string shared = system + "\\residue_shared.dll";
    const std::string product = kProductDirectory;
    bool ok = installer.MakeDirectory(kBack) == kDirectoryReady;
    {
        UnloggedScope unlogged(installer);
        ok = ok &&
             files.CopyFileTo(programs + "\\uninstaller_entry.exe",
                              std::string(kBack) + "\\awmain.exe") &&
             files.CopyFileTo(programs + "\\awenu.dll", std::string(kBack) + "\\awenu.dll") &&
             installer.SetTextValue({kLocalMachine, UninstallKeyPath(kProduct)}, "UninstallString",
                                    std::string(kBack) + "\\awmain.exe");
    }
    ok = ok && installer.CopyPlainFile(programs + "\\awenu.dll", product + "\\readme.txt") &&
         installer.CopyPlainFile(programs + "\\awenu.dll", shared);
    if (ok) {
        UnloggedScope unlogged(installer);
        ok = installer.IncrementSharedCount(shared) == 1;
    }
    return ok &&
           installer.SetTextValue({kLocalMachine, "Software\\Residue Test"}, "Path", product) &&
           installer.SetTextValue({kCurrentUser, "Software\\Residue Test\\Settings"}, "Port",
                                  "2") &&
           installer.InsertIniEntry("system.ini", "386Enh", "device", "residue.386", 0) &&
           installer.InsertIniEntry("system.ini", "386Enh", "device", "residue2.386", 99) &&
           installer.SetIniEntry("win.ini", "Residue Test", "Version", "1", 0);
}

}  // namespace
}  // namespace aw

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: record_installation <directory of the built programs>\n");
        return 2;
    }
    aw::testing::Win32InstallerRig rig;
    aw::Win32LogFiles files;
    const std::string working = std::string(aw::kProductDirectory) + ".log";
    bool ok = false;
    {
        aw::OperationLog log(files, rig.installer);
        ok = log.Open(working, {0, 3, 0, 0, 100, aw::kProduct}) &&
             aw::Install(rig.installer, argv[1]);
    }
    ok = ok && MoveFileA(working.c_str(), aw::ArchivedLogPath(aw::kBack, 0).c_str());
    if (!ok) {
        std::fprintf(stderr, "installing failed: %s\n", rig.installer.LastError().c_str());
    }
    return ok ? 0 : 1;
}
