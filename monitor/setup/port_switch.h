// Moving the whole monitor to another port while the settings dialog is open: the old port's
// settings are saved, the new port's loaded, and the main window takes the new port's place,
// layout, rate and fonts.
#pragma once

#include <functional>
#include <memory>

#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/profile_file.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/settings/system_appearance.h"
#include "monitor/core/time/clock.h"
#include "monitor/core/tracking/connection_state.h"
#include "monitor/core/window/main_window_services.h"
#include "monitor/core/window/setup_caption.h"

namespace lw {

// What a port switch does to the main window. All but ShowNormalAt and MinimizeApp are
// MainWindowView's own operations.
class PortSwitchWindow {
  public:
    virtual ~PortSwitchWindow() = default;
    virtual WindowPlace Place() const = 0;
    virtual void TrayShowApp() = 0;
    // The tick timer; 0 stops it.
    virtual void SetTimerInterval(unsigned milliseconds) = 0;
    // Takes "Update Lamps &Now!" out of the system menu, and puts it back at the end if shown.
    virtual void SetUpdateNowEntry(bool shown) = 0;
    // Moves the window to (left, top), `width` wide with the panel's height, without
    // activating it or changing its place among the other windows, and shows it in its normal
    // state, the application no longer minimised.
    virtual void ShowNormalAt(int left, int top, int width) = 0;
    // Minimises the application as the user's minimise does (MainWindow::MinimizeApp).
    virtual void MinimizeApp() = 0;
    virtual void MakeGdiFonts() = 0;
    virtual void InvalidatePanel() = 0;
};

struct PortSwitchServices {
    MonitorSettings& settings;
    SamplingState& sampling;
    ConnectionState& connection;
    // The user's "No Title Bar" while the dialog shows the caption.
    SetupCaption& caption;
    PortSwitchWindow& window;
    // Its TestPort opens a port for device queries for a moment.
    StartupSystem& system;
    // Opens the settings file; it is written when the returned object goes.
    std::function<std::unique_ptr<ProfileFile>()> openSettingsFile;
    const SystemAppearance& appearance;
    const Clock& clock;
    // The program was started with "-AUTOCHECK", which tested every port already.
    bool autoCheck = false;
};

// Makes COM `port` (1 to 9) the monitored port. False, with nothing changed, when the port
// does not open; choosing the port already monitored saves its settings and places the
// window again. The old port's section is saved with the user's own "No Title Bar"; the new
// port's value is held until the dialog ends. Ports above 4 have no chip registers, so nothing
// reads or writes hardware for them.
bool SwitchPort(const PortSwitchServices& services, int port);

}  // namespace lw
