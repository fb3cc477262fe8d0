#include "monitor/core/settings/settings_keys.h"

namespace lw {
namespace {

// Turns a member expression into an accessor of that member.
#define LW_FIELD(member)               \
    [](MonitorSettings & s) -> auto& { \
        return s.member;               \
    }

const SettingKey kPortKeys[] = {
    {"Auto Run", LW_FIELD(AutoRun)},
    {"AutoMaximize", LW_FIELD(AutoMaximize)},
    {"AutoTimedDisconnectActive", LW_FIELD(AutoTimedDisconnectActive)},
    {"AutoTimedDisconnectHours", LW_FIELD(AutoTimedDisconnectHours)},
    {"AutoTimedDisconnectMinutes", LW_FIELD(AutoTimedDisconnectMinutes)},
    {"BackgroundColor", LW_FIELD(BackgroundColor)},
    {"ConnectResetLoggerEvent", LW_FIELD(ConnectResetLoggerEvent)},
    {"CD Auto Exit", LW_FIELD(CDAutoExit)},
    {"CD Auto Exit Delay", LW_FIELD(CDAutoExitDelay)},
    {"DCD Interval", LW_FIELD(DCDInterval)},
    {"Log DCD", LW_FIELD(LogDCD)},
    {"Display connect time", LW_FIELD(DisplayConnectTime)},
    {"Display connect time in Titlebar", LW_FIELD(DisplayConnectTimeInTitlebar)},
    {"Display total connect time in Display", LW_FIELD(DisplayTotalConnectTimeInDisplay)},
    {"Display total connect time in Titlebar", LW_FIELD(DisplayTotalConnectTimeInTitlebar)},
    {"Disconnect if Inactive", LW_FIELD(DisconnectIfInactive)},
    {"Disconnect time if Inactive", LW_FIELD(DisconnectTimeIfInactive)},
    {"Disconnect time if Inactive, Seconds", LW_FIELD(DisconnectTimeIfInactiveSeconds)},
    {"DUNLights", LW_FIELD(DUNLights)},
    {"DUNRegistry", LW_FIELD(DUNRegistry)},
    {"DUNRunConnectoid", LW_FIELD(DUNRunConnectoid)},
    {"InitModem", LW_FIELD(InitModem)},
    {"LampLook", LW_FIELD(LampLook)},
    {"LampLookTitle", LW_FIELD(LampLookTitle)},
    {"LightColorOff", LW_FIELD(LightColorOff)},
    {"LightColorOn", LW_FIELD(LightColorOn)},
    {"RD/TD Speed Update", LW_FIELD(RDTDSpeedUpdate)},
    {"Font Size SPY", LW_FIELD(PanelFont.size)},
    {"Font Color Titlebar", LW_FIELD(TitleBarFont.colour)},
    {"Font Size Titlebar", LW_FIELD(TitleBarFont.size)},
    {"FontTitlebarBackgroundColor", LW_FIELD(FontTitlebarBackgroundColor)},
    {"SPY Speed in Display", LW_FIELD(SPYSpeedInDisplay)},
    {"Negotiation Delay", LW_FIELD(NegotiationDelay)},
    {"No Direct Hardware Acesss", LW_FIELD(NoDirectHardwareAccess)},
    {"No Title Bar", LW_FIELD(NoTitleBar)},
    {"NoVxd", LW_FIELD(NoVxd)},
    {"OnTop", LW_FIELD(OnTop)},
    {"NewOrientation", LW_FIELD(NewOrientation)},
    {"Orientation Title", LW_FIELD(OrientationTitle)},
    {"ConnectPlaySound", LW_FIELD(ConnectPlaySound)},
    {"DisconnectPlaySound", LW_FIELD(DisconnectPlaySound)},
    {"RIPlaySound", LW_FIELD(RIPlaySound)},
    {"WarnInactivePlaySound", LW_FIELD(WarnInactivePlaySound)},
    {"Window Position X", LW_FIELD(WindowPositionX)},
    {"Window Position Y", LW_FIELD(WindowPositionY)},
    {"Alternative method for RD", LW_FIELD(AlternativeMethodForRD)},
    {"Log RI", LW_FIELD(LogRI)},
    {"RNAAPP", LW_FIELD(RNAAPP)},
    {"Run Lights", LW_FIELD(RunLights)},
    {"AutoDelay Title", LW_FIELD(AutoDelayTitle)},
    {"Status in Display", LW_FIELD(StatusInDisplay)},
    {"TextColor", LW_FIELD(TextColor)},
    {"Timer Interval", LW_FIELD(TimerInterval)},
    {"Title", LW_FIELD(Title)},
    {"TitleBar Offset", LW_FIELD(TitleBarOffset)},
    {"TitleBar OffsetT", LW_FIELD(TitleBarOffsetT)},
    {"Log total bytes", LW_FIELD(LogTotalBytes)},
    {"ShowTrayIcon", LW_FIELD(ShowTrayIcon)},
    {"Trigger RD", LW_FIELD(TriggerRD)},
    {"Warn when Exiting", LW_FIELD(WarnWhenExiting)},
    {"Warn if Inactive", LW_FIELD(WarnIfInactive)},
    {"Warn time if Inactive", LW_FIELD(WarnTimeIfInactive)},
    {"Warn time if Inactive, Seconds", LW_FIELD(WarnTimeIfInactiveSeconds)},
    {"WindowSizeX", LW_FIELD(WindowSizeX)},
    {"FontBold", LW_FIELD(PanelFont.bold)},
    {"FontItalic", LW_FIELD(PanelFont.italic)},
    {"FontUnderline", LW_FIELD(PanelFont.underline)},
    {"FontStrikeOut", LW_FIELD(PanelFont.strikeOut)},
    {"FontTitlebarBold", LW_FIELD(TitleBarFont.bold)},
    {"FontTitlebarItalic", LW_FIELD(TitleBarFont.italic)},
    {"FontTitlebarUnderline", LW_FIELD(TitleBarFont.underline)},
    {"FontTitlebarStrikeOut", LW_FIELD(TitleBarFont.strikeOut)},
    {"Auto Run Program", LW_FIELD(AutoRunProgram)},
    {"ConnectResetLoggerTimeRef", LW_FIELD(ConnectResetLoggerTimeRef)},
    {"ConnectSound", LW_FIELD(ConnectSound)},
    {"DisconnectSound", LW_FIELD(DisconnectSound)},
    {"DUNRegistryName", LW_FIELD(DUNRegistryName)},
    {"DUNRunConnectoidName", LW_FIELD(DUNRunConnectoidName)},
    {"Font Style SPY", LW_FIELD(PanelFont.face)},
    {"Font Style Titlebar", LW_FIELD(TitleBarFont.face)},
    {"ModemInitString", LW_FIELD(ModemInitString)},
    {"ModemLogName", LW_FIELD(ModemLogName)},
    {"RISound", LW_FIELD(RISound)},
    {"TotalConnectNew", LW_FIELD(TotalConnectNew)},
    {"TotalConnectReset", LW_FIELD(TotalConnectReset)},
    {"WarnInactiveSound", LW_FIELD(WarnInactiveSound)},
};

#undef LW_FIELD

}  // namespace

std::string PortSectionName(std::int32_t port) {
    return "LineWinker on COM" + std::to_string(port);
}

std::span<const SettingKey> PortSettingKeys() {
    return kPortKeys;
}

}  // namespace lw
