// The about box and the settings dialog, opened from the main window.
#include <cstdlib>

#include "monitor/core/boxes/scoped_flag.h"
#include "monitor/core/window/main_window.h"
#include "monitor/core/window/startup_values.h"

namespace lw {

void MainWindow::ShowAbout() {
    ScopedFlag open(modalOpen_);
    services_.view.ShowAboutBox();
    RebuildUpdateNowEntry();
    RequestRedraw();
}

// The dialog edits the settings in place and most changes act at once; Cancel puts back the
// copy taken before it opened (with what the line did to the connect-time totals meanwhile)
// and undoes what those changes did to the window. The caption
// shows for the time of the dialog; afterwards it goes again when the settings, of whichever
// port is then monitored, say so.
void MainWindow::OpenSetup() {
    ScopedFlag open(dialogOpen_);
    const bool wasMinimized = settings_.NewOrientation < 0;
    settings_.NewOrientation = std::abs(settings_.NewOrientation);
    const std::int32_t port = settings_.DefaultPort;
    MonitorSettings snapshot = settings_;
    const bool captionHidden = IsOn(settings_.NoTitleBar);
    setupCaption_.Hold(settings_);
    if (captionHidden) {
        ApplyTitleBar();
    }

    ModalResult result = ModalResult::Cancel;
    tracker_.KeepTotalsAlsoIn(&snapshot);
    try {
        result = services_.view.ShowSetupDialog();
        tracker_.KeepTotalsAlsoIn(nullptr);
    } catch (...) {
        tracker_.KeepTotalsAlsoIn(nullptr);
        // The user's own "No Title Bar" must not be left at 0 for the exit to save.
        setupCaption_.PutBack(settings_);
        if (IsOn(settings_.NoTitleBar)) {
            ApplyTitleBar();
        }
        throw;
    }
    setupCaption_.PutBack(settings_);
    if (result == ModalResult::Cancel) {
        RestoreSnapshot(snapshot);
    }
    if (settings_.DefaultPort == port && wasMinimized) {
        settings_.NewOrientation = -std::abs(settings_.NewOrientation);
        if (IsOn(settings_.ShowTrayIcon)) {
            services_.view.TrayHideApp();
        }
    }
    RebuildUpdateNowEntry();
    if (IsOn(settings_.NoTitleBar)) {
        ApplyTitleBar();
    }
    RequestRedraw();
}

void MainWindow::RestoreSnapshot(const MonitorSettings& snapshot) {
    settings_ = snapshot;
    services_.view.SetBorder(BorderForLayout(settings_.NewOrientation));
    connection_.PanelDirty = true;
    connection_.TitleDirty = true;
    services_.view.MakeGdiFonts();
    ApplyTimerInterval();
}

}  // namespace lw
