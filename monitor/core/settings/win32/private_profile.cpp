#include "monitor/core/settings/win32/private_profile.h"

#include <windows.h>

#include "monitor/core/settings/profile_values.h"

namespace lw {

PrivateProfile::PrivateProfile(std::string fileName) : fileName_(std::move(fileName)) {}

PrivateProfile::~PrivateProfile() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}

std::string PrivateProfile::ReadString(const std::string& section, const std::string& key,
                                       const std::string& fallback) {
    char buffer[kMaxProfileText + 1];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                  buffer, sizeof buffer, fileName_.c_str());
    return std::string(buffer, length);
}

bool PrivateProfile::WriteString(const std::string& section, const std::string& key,
                                 const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      fileName_.c_str()) != FALSE;
}

}  // namespace lw
