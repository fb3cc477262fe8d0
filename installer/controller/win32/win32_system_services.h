// The real system behind the Installer's system changes: one object that owns every adapter.
#pragma once

#include "installer/controller/system_services.h"
#include "installer/controller/win32/win32_ini_files.h"
#include "installer/controller/win32/win32_registry_access.h"
#include "installer/controller/win32/win32_system_changes.h"

namespace aw {

// Program Manager through raw DDE, and shortcuts through the shell's link object.
class Win32ShellFactory : public ShellFactory {
  public:
    Win32ShellFactory(const OsRecord& os, ShortPaths& paths) : os_(os), paths_(paths) {}
    std::unique_ptr<ShellInterface> NewProgramManagerClient() override;
    std::unique_ptr<ShellInterface> NewShellLinkWriter() override;

  private:
    OsRecord os_;
    ShortPaths& paths_;
};

class Win32SystemServices {
  public:
    explicit Win32SystemServices(const OsRecord& os = ReadOsRecord());
    Win32SystemServices(const Win32SystemServices&) = delete;
    Win32SystemServices& operator=(const Win32SystemServices&) = delete;

    SystemServices& Services() { return services_; }

  private:
    Win32RegistryAccess registry_;
    Win32IniFiles iniFiles_;
    Win32ShortPaths shortPaths_;
    Win32ShellFactory shells_;
    Win32FontTable fonts_;
    Win32ServerRegistration servers_;
    SystemServices services_;
};

}  // namespace aw
