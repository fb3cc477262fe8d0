#include "installer/controller/win32/win32_system_services.h"

#include "installer/controller/shell/program_manager_client.h"
#include "installer/controller/shell/shell_link_writer.h"
#include "installer/controller/win32/dde_raw.h"
#include "installer/controller/win32/win32_link_store.h"

namespace aw {

std::unique_ptr<ShellInterface> Win32ShellFactory::NewProgramManagerClient() {
    return std::make_unique<ProgramManagerClient>(std::make_unique<DdeRawChannel>(os_), paths_);
}

std::unique_ptr<ShellInterface> Win32ShellFactory::NewShellLinkWriter() {
    return std::make_unique<ShellLinkWriter>(std::make_unique<Win32LinkStore>(), paths_);
}

Win32SystemServices::Win32SystemServices(const OsRecord& os)
    : shells_(os, shortPaths_), services_{registry_, iniFiles_, shells_, shortPaths_,
                                          fonts_,    servers_,  os} {}

}  // namespace aw
