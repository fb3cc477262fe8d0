// The settings file through the Windows private-profile functions.
#pragma once

#include <string>

#include "monitor/core/settings/profile_file.h"

namespace lw {

// A file name without a path, such as "LINEWINK.INI", lives in the Windows directory.
class PrivateProfile : public ProfileFile {
  public:
    explicit PrivateProfile(std::string fileName = "LINEWINK.INI");
    // Writes what the system still holds of the file to disk.
    ~PrivateProfile() override;
    PrivateProfile(const PrivateProfile&) = delete;
    PrivateProfile& operator=(const PrivateProfile&) = delete;

    std::string FileName() const override { return fileName_; }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

  private:
    std::string fileName_;
};

}  // namespace lw
