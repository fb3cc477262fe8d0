// The main window's creation sequence, in the order the monitor has always followed.
#include "monitor/core/settings/settings_store.h"
#include "monitor/core/window/main_window.h"
#include "monitor/core/window/main_window_texts.h"
#include "monitor/core/window/port_decision.h"
#include "monitor/core/window/startup_values.h"
#include "monitor/serial/modem_init.h"

namespace lw {
bool MainWindow::Create() {
    if (!CheckPlatform()) {
        return false;
    }
    helpFile_ = HelpFilePath(services_.system.ShortProgramPath());
    services_.view.LoadTrayIcons();
    ReadSettings();
    form_.Window().SetText("LineWink");
    PlaceWindow();
    services_.view.CreateDrawingContext();
    ResetDrawingState();
    if (IsOn(settings_.NoTitleBar)) {
        ApplyTitleBar();
    }
    connection_.RestoreRequest = false;
    services_.view.AddSystemMenuEntries();
    commandLine_ = ParseCommandLine(services_.system.Arguments());
    if (!ChoosePort()) {
        return false;
    }
    if (WantsManualUpdate(settings_.TimerInterval)) {
        services_.view.SetUpdateNowEntry(true);
    }
    InitModem();
    sampling_.Current = {};
    sampling_.Previous = {};
    if (settings_.DefaultPort > 0) {
        TestPort(settings_.DefaultPort);
    }
    StartTicking();
    ShowLogo();
    sampling_.LastReceived = 0;
    sampling_.LastTransmitted = 0;
    connection_.SessionReceived = 0;
    connection_.SessionTransmitted = 0;
    connection_.LastActivity = 0;
    connection_.DisconnectPromptOpen = false;
    connection_.WarnPromptOpen = false;
    OpenDriver();
    form_.App().OnMinimize = NotifyEvent::Of<&MainWindow::AppMinimized>(*this);
    form_.App().OnRestore = NotifyEvent::Of<&MainWindow::AppRestored>(*this);
    ShowInTrayOrTaskbar();
    services_.view.PlaceNotTopmost();
    StartPrograms();
    sampling_.LightsEvent = 0;
    sampling_.LightsDevice = 0;
    sampling_.LightsName.clear();
    sampling_.SpeedText.clear();
    connection_.ScheduledDisconnectArmed = false;
    connection_.TimedDisconnectDone = false;
    sampling_.RegistryBaseReceived = 0;
    sampling_.RegistryBaseTransmitted = 0;
    FindDialUpPrograms();
    return true;
}

// The monitor needs the Windows 95 family (its driver and the chip's registers).
bool MainWindow::CheckPlatform() {
    if (services_.system.IsWindows9xFamily()) {
        return true;
    }
    boxes_.Show(kNotForWindowsNtText, MessageIcon::Error, MessageButtons::Ok);
    form_.App().Terminate();
    return false;
}

void MainWindow::ReadSettings() {
    const std::unique_ptr<ProfileFile> file = services_.openSettingsFile();
    settings_.DefaultPort = ReadDefaultPort(*file);
    LoadPortSettings(settings_, *file, services_.appearance, services_.clock);
}

// The panel sizes itself properly at its first drawing.
void MainWindow::PlaceWindow() {
    const PanelBounds bounds = InitialPanelBounds(settings_);
    services_.view.SetBorder(bounds.border);
    services_.view.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
}

void MainWindow::ResetDrawingState() {
    connection_.PanelDirty = true;
    connection_.TitleDirty = true;
    connection_.FirstDrawPending = true;
    connection_.NeedRedraw = true;
    connection_.RingCount = 0;
    connection_.DcdLogState = 0;
    modalOpen_ = false;
    dialogOpen_ = false;
}

// False when the program must not run with the port it was given.
bool MainWindow::ChoosePort() {
    for (int port = 1; port <= static_cast<int>(sampling_.PortAvailable.size()); ++port) {
        if (commandLine_.autoCheck) {
            TestPort(port);
        } else {
            sampling_.PortAvailable[port - 1] = true;
        }
    }
    PortsFound found{sampling_.PortAvailable, false};
    const int setPort = settings_.DefaultPort;
    if (setPort > static_cast<int>(found.available.size()) && setPort <= kHighestChoosablePort) {
        // Taken on trust like COM1-COM4 unless every port is to be tested.
        found.setPortAboveFour =
            !commandLine_.autoCheck || services_.system.TestPort(setPort, sampling_.Port);
    }
    const PortDecision decision = DecidePort(setPort, commandLine_, found);
    switch (decision.verdict) {
        case PortVerdict::Refuse:
            boxes_.Show(kPortNotAvailableText, MessageIcon::Error, MessageButtons::Ok);
            form_.App().Terminate();
            return false;
        case PortVerdict::Welcome:
            boxes_.Show(kWelcomeText, MessageIcon::Information, MessageButtons::Ok);
            break;
        case PortVerdict::Monitor:
            settings_.DefaultPort = decision.port;
            break;
    }
    return true;
}

void MainWindow::InitModem() {
    if (InitsModemAtStartup(settings_) && settings_.DefaultPort > 0) {
        services_.modem.Exchange(settings_.DefaultPort, settings_.ModemInitString);
    }
}

void MainWindow::StartTicking() {
    ApplyTimerInterval();
    connection_.SessionStart = services_.clock.Now();
    services_.view.MakeGdiFonts();
    services_.view.ForgetTitleBarWindow();
}

void MainWindow::ShowLogo() {
    const std::unique_ptr<ProfileFile> file = services_.openSettingsFile();
    settings_.ShowLogoAtStartup = ReadShowLogoAtStartup(*file);
    if (settings_.ShowLogoAtStartup == 1) {
        services_.view.ShowSplash();
        services_.sounds.PlayWave(StartupSoundPath(services_.system.ProgramPath()));
    }
}

// Sampling goes on without the driver when it is missing or will not hook the comm functions.
void MainWindow::OpenDriver() {
    if (IsOn(settings_.NoVxd)) {
        return;
    }
    if (!services_.driver.Open()) {
        boxes_.ShowWarning(kDriverMissingText, MessageButtons::Ok);
        return;
    }
    if (!services_.driver.Hook()) {
        services_.driver.Release();
        boxes_.ShowWarning(kDriverHookFailedText, MessageButtons::Ok);
    }
}

void MainWindow::ShowInTrayOrTaskbar() {
    if (IsOn(settings_.ShowTrayIcon)) {
        services_.view.SetTrayIconActive(true);
        if (settings_.NewOrientation >= 0) {
            services_.view.TrayShowApp();
        } else {
            services_.view.TrayHideApp();
        }
    }
    if (services_.system.StartedMinimizedNoActivate()) {
        MinimizeApp();
    }
}

void MainWindow::StartPrograms() {
    if (IsOn(settings_.AutoRun) && !settings_.AutoRunProgram.empty()) {
        services_.system.StartProgram(settings_.AutoRunProgram);
    }
    if (IsOn(settings_.DUNRunConnectoid) && !settings_.DUNRunConnectoidName.empty()) {
        services_.system.StartProgram("RUNDLL.EXE rnaui.dll,RnaDial " +
                                      settings_.DUNRunConnectoidName);
    }
}

void MainWindow::FindDialUpPrograms() {
    sampling_.DialerVersion = DialerVersionOf(services_.system.SystemFileDate("RNAAPP.EXE"));
    if (settings_.RNAAPP == -1 && sampling_.DialerVersion == 1) {
        settings_.RNAAPP = 1;
    }
    sampling_.LightsInstalled = IsLightsReplacement(services_.system.SystemFileSize("LIGHTS.EXE"));
    lightsProgramFound_ = services_.system.SystemFileSize("LIGHTS!.EXE").has_value();
}

}  // namespace lw
