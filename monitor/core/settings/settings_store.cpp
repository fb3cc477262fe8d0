#include "monitor/core/settings/settings_store.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "monitor/core/settings/profile_values.h"
#include "monitor/core/settings/settings_keys.h"

namespace lw {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Spelled out for clang 14, which does not yet deduce it for aggregates.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string ReadText(ProfileFile& file, const std::string& section, const std::string& key,
                     const std::string& fallback) {
    std::string text = file.ReadString(section, key, fallback);
    if (text.size() > kMaxProfileText) {
        text.resize(kMaxProfileText);
    }
    return text;
}

void Write(ProfileFile& file, const std::string& section, const std::string& key,
           const std::string& value) {
    if (!file.WriteString(section, key, value)) {
        throw SettingsWriteError(file.FileName());
    }
}

// The record as a missing file gives it, on this system.
MonitorSettings SystemDefaults(const SystemAppearance& system) {
    MonitorSettings defaults;
    defaults.WindowPositionX = system.ScreenWidth() / 2;
    defaults.WindowPositionY = system.ScreenHeight() / 2;
    defaults.TitleBarFont.colour = system.CaptionTextColour();
    defaults.FontTitlebarBackgroundColor = system.ActiveCaptionColour();
    return defaults;
}

// No screen, font or time the program deals in comes near this, and sums and products of
// such numbers (an offset plus a width, points times dots per inch) stay within 32 bits.
constexpr std::int32_t kLargestInteger = 1'000'000;

// A hand-edited number is held to that size.
std::int32_t ClampedInteger(std::int32_t value) {
    return std::clamp(value, -kLargestInteger, kLargestInteger);
}

void ReadKey(ProfileFile& file, const std::string& section, const SettingKey& key,
             MonitorSettings& defaults, MonitorSettings& settings) {
    const std::string name(key.name);
    std::visit(
        Overloaded{
            [&](IntegerField field) {
                field(settings) =
                    ClampedInteger(ParseProfileInteger(ReadText(file, section, name, ""))
                                       .value_or(field(defaults)));
            },
            [&](ColourField field) {
                field(settings) =
                    ParseProfileColour(ReadText(file, section, name, "")).value_or(field(defaults));
            },
            [&](RealField field) {
                field(settings) =
                    ParseProfileReal(ReadText(file, section, name, "0")).value_or(field(defaults));
            },
            [&](TextField field) {
                field(settings) = ReadText(file, section, name, field(defaults));
            },
            // The style follows the flag, so that a port without it does not keep the
            // style of the port loaded before.
            [&](StyleField field) {
                field(settings) = ParseProfileInteger(ReadText(file, section, name, "")) == 1;
            },
        },
        key.field);
}

std::string ValueText(const SettingKey& key, MonitorSettings& record) {
    return std::visit(Overloaded{
                          [&](IntegerField field) { return std::to_string(field(record)); },
                          [&](ColourField field) { return std::to_string(field(record)); },
                          [&](RealField field) { return FormatProfileReal(field(record)); },
                          [&](TextField field) { return field(record); },
                          [&](StyleField field) { return std::string(field(record) ? "1" : "0"); },
                      },
                      key.field);
}

// Nominal panel sizes, used only to tell whether a saved window position is on screen.
struct PanelSize {
    int width;
    int height;
};

PanelSize NominalPanelSize(std::int32_t orientation) {
    switch (std::abs(orientation)) {
        case 1:
            return {100, 70};
        case 2:
            return {183, 40};
        case 3:
            return {100, 25};
        case 4:
            return {123, 25};
        case 5:
            return {172, 25};
        default:
            return {10, 10};
    }
}

std::int32_t HalfRounded(int extent) {
    return static_cast<std::int32_t>(std::nearbyint(extent * 0.5));
}

void ApplyLoadFixUps(MonitorSettings& settings, const SystemAppearance& system,
                     const Clock& clock) {
    const std::int32_t layout = std::abs(settings.NewOrientation);
    if (layout == 0 || layout == 6) {
        settings.NewOrientation = 3;
    }

    const PanelSize panel = NominalPanelSize(settings.NewOrientation);
    const int screenWidth = system.ScreenWidth();
    const int screenHeight = system.ScreenHeight();
    if (settings.WindowPositionX < -(panel.width + 5) || settings.WindowPositionX > screenWidth) {
        settings.WindowPositionX = HalfRounded(screenWidth);
    }
    if (settings.WindowPositionY < -(panel.height + 4) || settings.WindowPositionY > screenHeight) {
        settings.WindowPositionY = HalfRounded(screenHeight);
    }

    if (settings.TitleBarFont.face.empty()) {
        UseCaptionFont(settings, system);
    }

    if (settings.TotalConnectReset == 0) {
        settings.TotalConnectReset = settings.ConnectResetLoggerTimeRef != 0
                                         ? settings.ConnectResetLoggerTimeRef
                                         : clock.Now();
    }
}

}  // namespace

std::int32_t ReadDefaultPort(ProfileFile& file) {
    const auto port = ParseProfileInteger(file.ReadString(kMainSection, "Default Port", ""));
    return port && *port > 0 ? *port : 0;
}

void WriteDefaultPort(ProfileFile& file, std::int32_t port) {
    Write(file, kMainSection, "Default Port", std::to_string(port));
}

std::int32_t ReadShowLogoAtStartup(ProfileFile& file) {
    return ParseProfileInteger(file.ReadString(kMainSection, "Show Logo at Startup", ""))
        .value_or(MonitorSettings{}.ShowLogoAtStartup);
}

void WriteShowLogoAtStartup(ProfileFile& file, std::int32_t value) {
    Write(file, kMainSection, "Show Logo at Startup", std::to_string(value));
}

void LoadPortSettings(MonitorSettings& settings, ProfileFile& file, const SystemAppearance& system,
                      const Clock& clock) {
    settings.EditorName = ReadText(file, kMainSection, "EditorName", "");
    if (settings.DefaultPort < 0) {
        return;
    }
    const std::string section = PortSectionName(settings.DefaultPort);
    MonitorSettings defaults = SystemDefaults(system);
    for (const SettingKey& key : PortSettingKeys()) {
        ReadKey(file, section, key, defaults, settings);
    }
    ApplyLoadFixUps(settings, system, clock);
}

void SavePortSettings(const MonitorSettings& settings, ProfileFile& file) {
    // Port 0 is the first run with no port chosen, whose section would be meaningless.
    if (settings.DefaultPort <= 0) {
        return;
    }
    Write(file, kMainSection, "EditorName", settings.EditorName);
    const std::string section = PortSectionName(settings.DefaultPort);
    MonitorSettings record = settings;  // the key accessors give writable references
    for (const SettingKey& key : PortSettingKeys()) {
        std::string value = ValueText(key, record);
        if (key.name == "NewOrientation" && std::abs(settings.NewOrientation) == 6) {
            value = "3";
        }
        Write(file, section, std::string(key.name), value);
    }
}

}  // namespace lw
