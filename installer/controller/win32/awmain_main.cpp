// Program entry of the installer engine: the installer when "awmain.ini" lies beside the
// program, the uninstaller otherwise.
#include <windows.h>

#include <memory>
#include <string>

#include "installer/controller/run/win32/win32_controller_system.h"
#include "installer/controller/win32/win32_system_changes.h"
#include "installer/oplog/win32/uninstaller_main.h"
#include "installer/script/host/win32/make_script_host.h"

namespace {

std::string SettingsBesideProgram() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string settings(path, length);
    settings.erase(settings.find_last_of('\\') + 1);
    return settings + "awmain.ini";
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const aw::OsRecord os = aw::ReadOsRecord();
    if (GetFileAttributesA(SettingsBesideProgram().c_str()) == INVALID_FILE_ATTRIBUTES) {
        return aw::UninstallerMain(instance, commandLine);
    }
    aw::Win32ControllerSystem system(instance, os);
    std::unique_ptr<aw::InstallController> installer =
        aw::MakeScriptHost(system.System(), instance);
    if (!installer->Initialise()) {
        return 1;
    }
    const std::int32_t result = installer->Run();
    installer->CleanUp();
    installer->WriteResult(result);
    return 0;
}
