// INI files as whole files through the kernel32 file functions.
#pragma once

#include "installer/controller/ini/ini_files.h"

namespace aw {

class Win32IniFiles : public IniFiles {
  public:
    IniFileRead Read(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool WriteNew(const std::string& path, const std::string& text) override;
    bool Delete(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    std::string WindowsDirectory() override;
};

}  // namespace aw
