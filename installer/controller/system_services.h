// What the Installer's system changes need from the world: the registry, INI files, the shell,
// path forms, the font table and the self-registration of OLE servers.
#pragma once

#include <string>

#include "installer/controller/ini/ini_files.h"
#include "installer/controller/registry/registry_access.h"
#include "installer/controller/shell/os_record.h"
#include "installer/controller/shell/shell_interface.h"
#include "installer/controller/shell/short_paths.h"

namespace aw {

class FontTable {
  public:
    virtual ~FontTable() = default;
    virtual bool AddFont(const std::string& file) = 0;
    virtual bool RemoveFont(const std::string& file) = 0;
    // Tells every top-level window that the font table changed.
    virtual void AnnounceFontChange() = 0;
};

class ServerRegistration {
  public:
    virtual ~ServerRegistration() = default;
    // Starts the command line with its window hidden, without waiting for it.
    virtual bool StartHidden(const std::string& commandLine) = 0;
    // Loads the library, calls its "DllRegisterServer" (whatever it returns) and frees it;
    // false when the library or the entry point is missing.
    virtual bool CallRegisterServer(const std::string& file) = 0;
};

struct SystemServices {
    RegistryAccess& registry;
    IniFiles& iniFiles;
    ShellFactory& shells;
    ShortPaths& shortPaths;
    FontTable& fonts;
    ServerRegistration& servers;
    OsRecord os;
};

}  // namespace aw
