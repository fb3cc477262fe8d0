// The monitor's main window on Win32: a form of the application that owns everything the
// monitor runs with (the records and the tick through MainWindow, the sampling sources, the
// drawing, the serial port component, the tray icon, the timer and the other forms) and hands
// its window messages to them.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/core/boxes/win32/message_box.h"
#include "monitor/core/drawing/drawing_services.h"
#include "monitor/core/drawing/win32/panel_drawing.h"
#include "monitor/core/drawing/win32/panel_window.h"
#include "monitor/core/drawing/win32/tray_icon_binding.h"
#include "monitor/core/sampling/sampling_signals.h"
#include "monitor/core/sampling/win32/dialer_window.h"
#include "monitor/core/sampling/win32/driver_device.h"
#include "monitor/core/sampling/win32/lights_device.h"
#include "monitor/core/sampling/win32/port_registers.h"
#include "monitor/core/sampling/win32/registry_stats.h"
#include "monitor/core/sampling/win32/sampling_comm_port.h"
#include "monitor/core/settings/win32/appearance.h"
#include "monitor/core/time/win32/system_clock.h"
#include "monitor/core/tracking/connection_setup_link.h"
#include "monitor/core/tracking/win32/connection_log_dates.h"
#include "monitor/core/tracking/win32/connection_log_file.h"
#include "monitor/core/tracking/win32/sound_player.h"
#include "monitor/core/window/main_window.h"
#include "monitor/core/window/win32/about_box.h"
#include "monitor/core/window/win32/line_services.h"
#include "monitor/core/window/win32/splash_window.h"
#include "monitor/core/window/win32/startup_system.h"
#include "monitor/forms/win32/form_window.h"
#include "monitor/setup/discovery.h"
#include "monitor/setup/port_switch.h"
#include "monitor/setup/setup_services.h"
#include "monitor/setup/win32/common_dialogs.h"
#include "monitor/setup/win32/select_reg_dlg.h"
#include "monitor/setup/win32/setup_form.h"
#include "monitor/setup/win32/setup_system.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/tray/win32/tray_services.h"

namespace lw {

// Where the settings live; tests give a file of their own.
struct MainFormOptions {
    std::vector<std::string> arguments;
    int showCommand = SW_SHOWNORMAL;
    std::string settingsFile = "LINEWINK.INI";
};

class MainForm : public Win32Form,
                 private MainWindowView,
                 private PanelHost,
                 private SetupHost,
                 private PortSwitchWindow {
  public:
    MainForm(Win32Application& application, const MainFormOptions& options);
    ~MainForm() override;

    // The creation sequence; false when the program must not run.
    bool Create();
    MainWindow& Main() { return main_; }
    TPGTrayIcon95& Tray() { return *tray_; }
    SetupForm& Setup() { return setup_; }
    TSelectRegDlg& SelectReg() { return selectReg_; }
    AboutBox& About() { return about_; }

    static constexpr UINT_PTR kTickTimer = 1;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // MainWindowView.
    void LoadTrayIcons() override;
    void CreateDrawingContext() override;
    void MakeGdiFonts() override;
    // The drawing, made at the start, has drawn on no window yet.
    void ForgetTitleBarWindow() override {}
    void UseCaptionFont() override;
    void ReleaseDrawing() override;
    void SetBorder(PanelBorder border) override { frame_.SetBorder(border); }
    void SetBounds(int left, int top, int width, int height) override;
    void ApplyTitleBar(bool hidden) override;
    WindowPlace Place() const override;
    void PlaceNotTopmost() override;
    void SetTopmost(bool topmost) override;
    void InvalidatePanel() override;
    void DrawPanelNow() override;
    void RemoveTitleBarDisplay() override;
    void ClearForegroundTitleBar() override;
    void AddSystemMenuEntries() override;
    void SetUpdateNowEntry(bool shown) override;
    void SetTimerInterval(unsigned milliseconds) override;
    void ShowSplash() override;
    void ShowAboutBox() override;
    bool SetupDialogVisible() const override;
    ModalResult ShowSetupDialog() override;
    void SetTrayIconActive(bool active) override;
    void TrayShowApp() override;
    void TrayHideApp() override;
    void ShowHelp(const std::string& file, unsigned context) override;
    void CloseHelp(const std::string& file) override;

    // SetupHost and PortSwitchWindow; the rest of both is MainWindowView's.
    void UpdateTrayIcon() override;
    void RequestRedraw() override;
    void ShowHelpContext(unsigned context) override;
    bool LightsProgramFound() const override { return main_.LightsProgramFound(); }
    void ShowNormalAt(int left, int top, int width) override;
    void MinimizeApp() override { main_.MinimizeApp(); }

    // PanelHost.
    bool ModalOpen() const override { return main_.ModalOpen(); }
    bool DialogOpen() const override { return main_.DialogOpen(); }
    bool Minimized() const override;
    void MinimizeApplication() override;
    void RestoreFromTray() override;
    void HideTaskbarWindow() override;
    void ShowSessionTraffic(std::int32_t transmitted, std::int32_t received) override;
    void ClearSessionTraffic() override;

    void TrayDoubleClick(Component& sender);
    void RegistryEntryChosen(const std::string& name);
    bool HitTest(LPARAM lParam, LRESULT& result);
    bool ShowMenu(LPARAM lParam);

    GdiPanelWindow frame_;
    SystemClock clock_;
    Win32Appearance appearance_;
    Win32MessageBoxes windowBoxes_;
    Win32SoundPlayer sounds_;
    Win32LogFiles logs_;
    SystemDateTimeFormat dates_;
    // The settings dialog as the tick sees it, once it is made.
    class SetupDialogRelay : public SetupDialogLink {
      public:
        void Attach(SetupDialogLink& dialog) { dialog_ = &dialog; }
        bool IsOpen() const override { return dialog_ != nullptr && dialog_->IsOpen(); }
        void ShowConnectTime(const std::string& text) override;
        void ClearScheduledDisconnect() override;
        void Refresh() override;

      private:
        SetupDialogLink* dialog_ = nullptr;
    };
    SetupDialogRelay dialogLink_;
    DriverDevice driverDevice_;
    ChipRegisters chip_;
    ConnectionDevice lights_;
    WinExecLauncher launcher_;
    DialerProcessWindow dialer_;
    RegistryDialupStatistics statistics_;
    CommStatePorts commPorts_;
    SignalSampler sampler_;
    Win32StartupSystem system_;
    DriverDeviceControl driver_;
    std::string settingsFile_;
    MainWindow main_;
    SerialModemInitializer modem_;
    Win32TrayServices trayServices_;
    TPGTrayIcon95* tray_ = nullptr;
    std::optional<TrayIconBinding> trayIcon_;
    std::unique_ptr<PanelDrawing> drawing_;
    AboutBox about_;
    Win32SetupSystem setupSystem_;
    Win32CommonDialogs setupDialogs_;
    DialogMessageBoxes setupBoxes_;
    TSelectRegDlg selectReg_;
    Discovery discovery_;
    SetupForm setup_;
    SplashWindow splash_;
};

}  // namespace lw
