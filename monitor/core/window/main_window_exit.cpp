// Leaving the monitor: the question while connected, and the exit sequence.
#include <optional>

#include "monitor/core/settings/settings_store.h"
#include "monitor/core/window/main_window.h"
#include "monitor/core/window/main_window_texts.h"

namespace lw {

bool MainWindow::CanClose() {
    if (settings_.WarnWhenExiting == 0 && sampling_.Current.CD == 1) {
        return boxes_.ShowWarning(kStillConnectedText, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
    return true;
}

void MainWindow::FormCloseQuery(Component&, bool& canClose) {
    canClose = closing_ != ClosingState::Running || CanClose();
}

void MainWindow::FormClose(Component&, CloseAction&) {
    Shutdown();
}

// The drawing, the driver and the help window are let go, and the program ends, even when
// the settings cannot be written; the user is told of that in the program's error box.
void MainWindow::Shutdown() {
    if (closing_ != ClosingState::Running) {
        return;
    }
    closing_ = ClosingState::Closing;
    if (sampling_.Current.CD == 1) {
        tracker_.AddSessionToTotal();
    }
    services_.driver.Release();
    if (settings_.Title == 1 || settings_.Title == 2) {
        services_.view.ClearForegroundTitleBar();
    }
    // Ended by the system while the settings dialog is open: the user's own caption setting
    // is written, not the dialog's.
    setupCaption_.PutBack(settings_);
    const WindowPlace place = services_.view.Place();
    settings_.WindowPositionX = place.left;
    settings_.WindowPositionY = place.top;
    std::optional<SettingsWriteError> writeError;
    try {
        SaveSettings();
    } catch (const SettingsWriteError& error) {
        writeError = error;
    }
    services_.view.ReleaseDrawing();
    services_.view.CloseHelp(helpFile_);
    closing_ = ClosingState::Closed;
    if (writeError) {
        form_.App().HandleException(*writeError);
    }
}

void MainWindow::SaveSettings() {
    const std::unique_ptr<ProfileFile> file = services_.openSettingsFile();
    if (settings_.DefaultPort > 0) {
        WriteDefaultPort(*file, settings_.DefaultPort);
        SavePortSettings(settings_, *file);
    }
    WriteShowLogoAtStartup(*file, settings_.ShowLogoAtStartup);
}

}  // namespace lw
