#include "monitor/setup/port_switch.h"

#include "monitor/core/settings/settings_store.h"
#include "monitor/core/window/startup_values.h"

namespace lw {
namespace {

void ClearLamps(LineState& line) {
    line.CTS = line.DSR = line.RI = line.CD = 0;
    line.DTR = line.RTS = line.TD = line.RD = line.HS = 0;
}

void MarkForRedrawing(ConnectionState& connection) {
    connection.PanelDirty = true;
    connection.TitleDirty = true;
}

}  // namespace

bool SwitchPort(const PortSwitchServices& services, int port) {
    MonitorSettings& settings = services.settings;
    PortSwitchWindow& window = services.window;
    if (!services.autoCheck && !services.system.TestPort(port, services.sampling.Port)) {
        return false;
    }
    const WindowPlace place = window.Place();
    settings.WindowPositionX = place.left;
    settings.WindowPositionY = place.top;
    const bool captionHeld = services.caption.PutBack(settings);
    SavePortSettings(settings, *services.openSettingsFile());

    if (port != settings.DefaultPort) {
        if (IsOn(settings.ShowTrayIcon)) {
            window.TrayShowApp();
        }
        MarkForRedrawing(services.connection);
        settings.DefaultPort = port;
        LoadPortSettings(settings, *services.openSettingsFile(), services.appearance,
                         services.clock);
    }
    if (captionHeld) {
        services.caption.Hold(settings);
    }
    services.system.TestPort(port, services.sampling.Port);
    ClearLamps(services.sampling.Current);
    ClearLamps(services.sampling.Previous);
    window.SetTimerInterval(TickIntervalMs(settings.TimerInterval));
    window.SetUpdateNowEntry(WantsManualUpdate(settings.TimerInterval));

    MarkForRedrawing(services.connection);
    window.ShowNormalAt(settings.WindowPositionX, settings.WindowPositionY, settings.WindowSizeX);
    if (settings.NewOrientation < 0) {
        window.MinimizeApp();
    }
    window.MakeGdiFonts();
    services.connection.DisconnectPromptOpen = false;
    services.connection.WarnPromptOpen = false;
    services.connection.NeedRedraw = true;
    window.InvalidatePanel();
    return true;
}

}  // namespace lw
