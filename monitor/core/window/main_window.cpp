#include "monitor/core/window/main_window.h"

#include <cstdlib>

#include "monitor/core/window/startup_values.h"

namespace lw {

MainWindow::MainWindow(Form& form, const MainWindowServices& services)
    : form_(form),
      services_(services),
      boxes_(services.boxes, modalOpen_),
      tracker_(settings_, sampling_, connection_,
               {services.clock, services.sampler, services.sounds, boxes_, services.logs,
                services.dates, *this, services.dialog},
               services.logFiles) {
    BuildMenu();
    form_.OnCloseQuery = CloseQueryEvent::Of<&MainWindow::FormCloseQuery>(*this);
    form_.OnClose = CloseEvent::Of<&MainWindow::FormClose>(*this);
}

void MainWindow::BuildMenu() {
    menu_ = &Component::Create<PopupMenu>(form_, form_.App());
    menu_->OnPopup = NotifyEvent::Of<&MainWindow::MenuPopup>(*this);
    const NotifyEvent clicked = NotifyEvent::Of<&MainWindow::MenuClicked>(*this);
    const auto add = [&](const char* caption, MainCommand command) -> MenuItem& {
        MenuItem& item = menu_->Add(caption, clicked);
        menuCommands_.emplace_back(&item, command);
        return item;
    };
    add("&Setup", MainCommand::Setup).Default = true;
    add("Toggle Titlebar &On/Off", MainCommand::ToggleTitleBar);
    resetSessionItem_ = &add("&Reset Session Connect Time", MainCommand::ResetSession);
    add("Reset &Total Connect Time", MainCommand::ResetTotal);
    add("Hang-up &NOW!", MainCommand::HangUp);
    minimizeItem_ = &add("&Minimize", MainCommand::Minimize);
    menu_->Add("-");
    add("&About", MainCommand::About);
    add("&Help", MainCommand::Help);
    add("E&xit", MainCommand::Exit);
}

void MainWindow::MenuClicked(Component& sender) {
    for (const auto& [item, command] : menuCommands_) {
        if (item == &sender) {
            Run(command);
            return;
        }
    }
}

void MainWindow::MenuPopup(Component&) {
    resetSessionItem_->Enabled = sampling_.Current.CD == 1;
}

void MainWindow::Run(MainCommand command) {
    switch (command) {
        case MainCommand::Setup:
            if (!services_.view.SetupDialogVisible()) {
                OpenSetup();
            }
            break;
        case MainCommand::ToggleTitleBar:
            settings_.NoTitleBar = IsOn(settings_.NoTitleBar) ? 0 : 1;
            ApplyTitleBar();
            break;
        case MainCommand::ResetSession:
            tracker_.ResetSession();
            break;
        case MainCommand::ResetTotal:
            tracker_.ResetTotal();
            break;
        case MainCommand::HangUp:
            services_.sampler.HangUp(settings_);
            break;
        case MainCommand::Minimize:
            MinimizeApp();
            break;
        case MainCommand::About:
            ShowAbout();
            break;
        case MainCommand::Help:
            services_.view.ShowHelp(helpFile_, kMainHelpContext);
            break;
        case MainCommand::Exit:
            form_.Close();
            break;
    }
}

// The keys act as the menu does, except that R resets the session even while its menu item
// is disabled.
void MainWindow::OnKey(char key) {
    if (const auto command = CommandForKey(key)) {
        Run(*command);
    }
}

bool MainWindow::OnSystemCommand(unsigned command) {
    switch (command) {
        case kUpdateNowCommand:
            tracker_.OnTick();
            return true;
        case kSetupSystemCommand:
            OpenSetup();
            return true;
        case kHelpSystemCommand:
            services_.view.ShowHelp(helpFile_, kMainHelpContext);
            return true;
        case kAboutSystemCommand:
            ShowAbout();
            return true;
        default:
            return false;
    }
}

// A closed window samples no more: its settings are written and its drawing is gone.
void MainWindow::OnTimer() {
    if (closing_ != ClosingState::Closed) {
        tracker_.OnTick();
    }
}

void MainWindow::OnSystemSettingsChanged() {
    services_.view.UseCaptionFont();
    connection_.PanelDirty = true;
    connection_.TitleDirty = true;
    RequestRedraw();
}

void MainWindow::MinimizeApp() {
    const bool nested = minimizing_;
    minimizing_ = true;
    settings_.NewOrientation = -std::abs(settings_.NewOrientation);
    if (!nested) {
        form_.App().Minimize();
    }
    minimizeItem_->Enabled = false;
    if (IsOn(settings_.ShowTrayIcon) && !nested) {
        services_.view.TrayHideApp();
    }
    minimizing_ = nested;
}

void MainWindow::AppMinimized(Component&) {
    MinimizeApp();
}

void MainWindow::AppRestored(Component&) {
    Restore();
}

void MainWindow::Restore() {
    settings_.NewOrientation = std::abs(settings_.NewOrientation);
    minimizeItem_->Enabled = true;
    connection_.PanelDirty = true;
}

void MainWindow::OnTrayDoubleClick() {
    Restore();
    services_.view.TrayShowApp();
}

void MainWindow::ApplyTitleBar() {
    services_.view.ApplyTitleBar(IsOn(settings_.NoTitleBar));
    connection_.PanelDirty = true;
    RequestRedraw();
}

void MainWindow::RequestRedraw() {
    connection_.NeedRedraw = true;
    services_.view.InvalidatePanel();
}

void MainWindow::RebuildUpdateNowEntry() {
    services_.view.SetUpdateNowEntry(WantsManualUpdate(settings_.TimerInterval));
}

void MainWindow::ApplyTimerInterval() {
    services_.view.SetTimerInterval(TickIntervalMs(settings_.TimerInterval));
}

void MainWindow::TestPort(int port) {
    if (port < 1 || port > static_cast<int>(sampling_.PortAvailable.size())) {
        return;
    }
    bool& available = sampling_.PortAvailable[port - 1];
    available = false;
    available = services_.system.TestPort(port, sampling_.Port);
}

void MainWindow::SetTopmost(bool topmost) {
    services_.view.SetTopmost(topmost);
}

void MainWindow::RemoveTitleBarDisplay() {
    services_.view.RemoveTitleBarDisplay();
}

void MainWindow::ReleaseDriver() {
    services_.driver.Release();
}

void MainWindow::StopTimer() {
    services_.view.SetTimerInterval(0);
}

void MainWindow::CloseMainWindow() {
    form_.Close();
}

void MainWindow::InvalidatePanel() {
    services_.view.InvalidatePanel();
}

void MainWindow::DrawPanelNow() {
    services_.view.DrawPanelNow();
}

}  // namespace lw
