// The short path form, the font table and OLE self-registration through the system's calls.
#pragma once

#include "installer/controller/system_services.h"

namespace aw {

class Win32ShortPaths : public ShortPaths {
  public:
    std::string ShortForm(const std::string& path) override;
    // Part by part, as the Windows 95 family has no call for the whole path.
    std::string LongForm(const std::string& path) override;
};

class Win32FontTable : public FontTable {
  public:
    bool AddFont(const std::string& file) override;
    bool RemoveFont(const std::string& file) override;
    void AnnounceFontChange() override;
};

class Win32ServerRegistration : public ServerRegistration {
  public:
    bool StartHidden(const std::string& commandLine) override;
    bool CallRegisterServer(const std::string& file) override;
};

// The platform from the version call and the shell from "WinLogon" under the platform key.
OsRecord ReadOsRecord();

}  // namespace aw
