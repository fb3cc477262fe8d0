// The monitor's main window as its rules see it: the start-up sequence, the commands of the
// right-click menu, the keys and the system menu, and the orderly exit. It owns the settings,
// sampling and connection records and the tick; the window itself is a MainWindowView.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/tracking/connection_state.h"
#include "monitor/core/tracking/connection_tracker.h"
#include "monitor/core/tracking/window_actions.h"
#include "monitor/core/window/command_line.h"
#include "monitor/core/window/main_commands.h"
#include "monitor/core/window/main_window_services.h"
#include "monitor/core/window/modal_boxes.h"
#include "monitor/core/window/setup_caption.h"
#include "monitor/forms/form.h"
#include "monitor/forms/popup_menu.h"

namespace lw {

enum class ClosingState { Running = 0, Closing = -1, Closed = 1 };

class MainWindow : public WindowActions {
  public:
    // `form` is the main form, whose close runs CanClose and Shutdown; the right-click menu is
    // made on it.
    MainWindow(Form& form, const MainWindowServices& services);

    // The creation sequence. False when the program must not run: the application has then
    // been told to terminate and nothing else happened.
    bool Create();

    MonitorSettings& Settings() { return settings_; }
    SamplingState& Sampling() { return sampling_; }
    ConnectionState& Connection() { return connection_; }
    ConnectionTracker& Tracker() { return tracker_; }
    // One of the monitor's boxes or the about box is open / the settings dialog is open.
    bool ModalOpen() const { return modalOpen_; }
    bool DialogOpen() const { return dialogOpen_; }
    ClosingState Closing() const { return closing_; }
    PopupMenu& Menu() { return *menu_; }
    const std::string& HelpFile() const { return helpFile_; }
    const CommandLine& Arguments() const { return commandLine_; }
    // The system's own modem-lights program "LIGHTS!.EXE" is there to be started.
    bool LightsProgramFound() const { return lightsProgramFound_; }
    // The boxes of the monitor, for everyone who shows one.
    MessageBoxes& Boxes() { return boxes_; }
    // The user's "No Title Bar" while the settings dialog shows the caption.
    SetupCaption& CaptionDuringSetup() { return setupCaption_; }

    // Window events.
    void OnTimer();
    // An entry of the system menu; false for the commands the window system handles.
    bool OnSystemCommand(unsigned command);
    void OnKey(char key);
    // The system's settings changed (its caption font among them).
    void OnSystemSettingsChanged();
    // The user double-clicked the tray icon.
    void OnTrayDoubleClick();

    void Run(MainCommand command);
    void MinimizeApp();
    void ApplyTitleBar();
    void ShowAbout();
    void OpenSetup();
    bool CanClose();
    // The exit sequence; runs once, however often it is asked for.
    void Shutdown();
    // Open-tests COM `port` and, when it opens, reads its settings.
    void TestPort(int port);

    // What the tick asks of the window.
    void SetTopmost(bool topmost) override;
    void RemoveTitleBarDisplay() override;
    void ReleaseDriver() override;
    void StopTimer() override;
    void CloseMainWindow() override;
    void InvalidatePanel() override;
    void DrawPanelNow() override;
    bool IsClosing() const override { return closing_ != ClosingState::Running; }

  private:
    // Creation, in parts.
    bool CheckPlatform();
    void ReadSettings();
    void PlaceWindow();
    void ResetDrawingState();
    bool ChoosePort();
    void InitModem();
    void StartTicking();
    void ShowLogo();
    void OpenDriver();
    void ShowInTrayOrTaskbar();
    void StartPrograms();
    void FindDialUpPrograms();

    void BuildMenu();
    void MenuClicked(Component& sender);
    void MenuPopup(Component& sender);
    void FormCloseQuery(Component& sender, bool& canClose);
    void FormClose(Component& sender, CloseAction& action);
    void AppMinimized(Component& sender);
    void AppRestored(Component& sender);
    void Restore();
    void RequestRedraw();
    void RebuildUpdateNowEntry();
    void ApplyTimerInterval();
    void RestoreSnapshot(const MonitorSettings& snapshot);
    void SaveSettings();

    Form& form_;
    MainWindowServices services_;
    MonitorSettings settings_;
    SamplingState sampling_;
    ConnectionState connection_;
    bool modalOpen_ = false;
    bool dialogOpen_ = false;
    bool minimizing_ = false;
    SetupCaption setupCaption_;
    ClosingState closing_ = ClosingState::Running;
    ModalBoxes boxes_;
    ConnectionTracker tracker_;
    CommandLine commandLine_;
    std::string helpFile_;
    bool lightsProgramFound_ = false;
    PopupMenu* menu_ = nullptr;
    std::vector<std::pair<MenuItem*, MainCommand>> menuCommands_;
    MenuItem* resetSessionItem_ = nullptr;
    MenuItem* minimizeItem_ = nullptr;
};

}  // namespace lw
