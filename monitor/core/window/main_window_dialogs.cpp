// The about box and the settings dialog, opened from the main window.
#include <cstdlib>

#include "monitor/core/window/main_window.h"
#include "monitor/core/window/startup_values.h"

namespace lw {

void MainWindow::ShowAbout() {
    FlagScope open(modalOpen_);
    services_.view.ShowAboutBox();
    RebuildUpdateNowEntry();
    RequestRedraw();
}

// The dialog edits the settings in place and most changes act at once; Cancel puts back the
// copy taken before it opened and undoes what those changes did to the window.
void MainWindow::OpenSetup() {
    FlagScope open(dialogOpen_);
    const bool captionHidden = IsOn(settings_.NoTitleBar);
    if (captionHidden) {
        services_.view.ApplyTitleBar(false);
    }
    const bool wasMinimized = settings_.NewOrientation < 0;
    settings_.NewOrientation = std::abs(settings_.NewOrientation);
    const std::int32_t port = settings_.DefaultPort;
    const MonitorSettings snapshot = settings_;

    if (services_.view.ShowSetupDialog() == ModalResult::Cancel) {
        RestoreSnapshot(snapshot);
    }
    if (settings_.DefaultPort == port && wasMinimized) {
        settings_.NewOrientation = -std::abs(settings_.NewOrientation);
        if (IsOn(settings_.ShowTrayIcon)) {
            services_.view.TrayHideApp();
        }
    }
    RebuildUpdateNowEntry();
    if (captionHidden) {
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
