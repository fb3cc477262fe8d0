// Reading and writing the monitor's settings in "LINEWINK.INI".
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "monitor/core/settings/profile_file.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/settings/system_appearance.h"
#include "monitor/core/time/clock.h"

namespace lw {

// A value the settings file refused; the program's top level shows its text.
class SettingsWriteError : public std::runtime_error {
  public:
    explicit SettingsWriteError(const std::string& fileName)
        : std::runtime_error("Unable to write to " + fileName) {}
};

// "Default Port" of the main section; a negative value reads as 0 (none chosen yet).
std::int32_t ReadDefaultPort(ProfileFile& file);
void WriteDefaultPort(ProfileFile& file, std::int32_t port);

// "Show Logo at Startup" of the main section.
std::int32_t ReadShowLogoAtStartup(ProfileFile& file);
void WriteShowLogoAtStartup(ProfileFile& file, std::int32_t value);

// Reads "EditorName" and, unless the port number is negative, the section of the port in
// settings.DefaultPort, then applies the fix-ups that keep the values usable.
void LoadPortSettings(MonitorSettings& settings, ProfileFile& file, const SystemAppearance& system,
                      const Clock& clock);

// Writes "EditorName" and the current port's section; writes nothing while no port is set.
void SavePortSettings(const MonitorSettings& settings, ProfileFile& file);

}  // namespace lw
