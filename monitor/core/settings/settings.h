// The monitor's settings record: one variable per key of "LINEWINK.INI", named by its key.
#pragma once

#include <cstdint>
#include <string>

namespace lw {

// A Windows colour value 0x00BBGGRR.
using Colour = std::uint32_t;

// A font as plain data; the drawing code makes GDI fonts from it.
struct FontSpec {
    std::string face;
    std::int32_t size = 0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = 0;
};

// Member initialisers are the defaults of the keys, except for the few that depend on the
// system (window position, title-bar colours), which the loader takes from the system.
struct MonitorSettings {
    // Main section.
    std::int32_t DefaultPort = 0;
    std::int32_t ShowLogoAtStartup = 1;
    std::string EditorName;

    // Port section, in the order the keys are read.
    std::int32_t AutoRun = 0;
    std::int32_t AutoMaximize = 0;
    std::int32_t AutoTimedDisconnectActive = 0;
    std::int32_t AutoTimedDisconnectHours = 1;
    std::int32_t AutoTimedDisconnectMinutes = 0;
    Colour BackgroundColor = 12632256;
    std::int32_t ConnectResetLoggerEvent = 0;
    std::int32_t CDAutoExit = 0;
    std::int32_t CDAutoExitDelay = 30;
    std::int32_t DCDInterval = 30;
    std::int32_t LogDCD = 0;
    std::int32_t DisplayConnectTime = 0;
    std::int32_t DisplayConnectTimeInTitlebar = 0;
    std::int32_t DisplayTotalConnectTimeInDisplay = 0;
    std::int32_t DisplayTotalConnectTimeInTitlebar = 0;
    std::int32_t DisconnectIfInactive = 0;
    std::int32_t DisconnectTimeIfInactive = 1;
    std::int32_t DisconnectTimeIfInactiveSeconds = 0;
    std::int32_t DUNLights = 0;
    std::int32_t DUNRegistry = 0;
    std::int32_t DUNRunConnectoid = 0;
    std::int32_t InitModem = 0;
    std::int32_t LampLook = 1;
    std::int32_t LampLookTitle = 0;
    Colour LightColorOff = 8553090;
    Colour LightColorOn = 255;
    std::int32_t RDTDSpeedUpdate = 5;
    Colour FontTitlebarBackgroundColor = 0;
    std::int32_t SPYSpeedInDisplay = 0;
    std::int32_t NegotiationDelay = 0;
    std::int32_t NoDirectHardwareAccess = 0;  // key spelled "No Direct Hardware Acesss"
    std::int32_t NoTitleBar = 0;
    std::int32_t NoVxd = 0;
    std::int32_t OnTop = 0;
    std::int32_t NewOrientation = 3;
    std::int32_t OrientationTitle = 3;
    std::int32_t ConnectPlaySound = 0;
    std::int32_t DisconnectPlaySound = 0;
    std::int32_t RIPlaySound = 0;
    std::int32_t WarnInactivePlaySound = 0;
    std::int32_t WindowPositionX = 0;
    std::int32_t WindowPositionY = 0;
    std::int32_t AlternativeMethodForRD = 0;
    std::int32_t LogRI = 0;
    std::int32_t RNAAPP = -1;
    std::int32_t RunLights = 0;
    std::int32_t AutoDelayTitle = 60;
    std::int32_t StatusInDisplay = 0;
    Colour TextColor = 0;
    std::int32_t TimerInterval = 18;
    std::int32_t Title = 0;
    std::int32_t TitleBarOffset = 0;
    std::int32_t TitleBarOffsetT = 0;
    std::int32_t LogTotalBytes = 0;
    std::int32_t ShowTrayIcon = 0;
    std::int32_t TriggerRD = 0;
    std::int32_t WarnWhenExiting = 0;
    std::int32_t WarnIfInactive = 0;
    std::int32_t WarnTimeIfInactive = 1;
    std::int32_t WarnTimeIfInactiveSeconds = 0;
    std::int32_t WindowSizeX = 0;
    std::string AutoRunProgram;
    double ConnectResetLoggerTimeRef = 0;
    std::string ConnectSound;
    std::string DisconnectSound;
    std::string DUNRegistryName;
    std::string DUNRunConnectoidName;
    std::string ModemInitString;
    std::string ModemLogName;
    std::string RISound;
    double TotalConnectNew = 0;
    double TotalConnectReset = 0;
    std::string WarnInactiveSound;

    // "Font Style SPY", "Font Size SPY" and the "Font..." style flags; its colour is
    // "TextColor", applied when drawing.
    FontSpec PanelFont{"Arial", 10};
    // "Font Style Titlebar", "Font Size Titlebar", "Font Color Titlebar" and the
    // "FontTitlebar..." style flags.
    FontSpec TitleBarFont;
};

// Flags count as on only when they equal 1.
inline bool IsOn(std::int32_t flag) {
    return flag == 1;
}

}  // namespace lw
