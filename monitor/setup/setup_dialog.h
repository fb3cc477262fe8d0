// The settings dialog "Setup": twelve pages of controls that edit the monitor's settings in
// place, most of them acting at once, and a row of buttons. It is made once with the main
// window and shown modally by the main window's OpenSetup, which keeps a copy of the
// settings and puts it back when the dialog ends with Cancel.
//
// Every control shows and edits one setting (or one thing of the system); ChangeForm
// refreshes them all from the settings. A refresh that changes what a control shows raises
// the control's own action, as the user's change would, so its side effects repeat (the tray
// icon is activated again, the start-up entry written again, the driver released again).
//
// The controls are public and named as the user's manual names them, with their handlers
// named after them; the pages are built in setup_page_*.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/controls/vex_spin_edit.h"
#include "monitor/core/tracking/connection_setup_link.h"
#include "monitor/forms/form.h"
#include "monitor/setup/controls/control_builder.h"
#include "monitor/setup/controls/dialog_controls.h"
#include "monitor/setup/log_actions.h"
#include "monitor/setup/setup_services.h"

namespace lw {

class TSetupDlg : public Component, public SetupDialogLink {
  public:
    // Builds every page in `form`'s window; the form's showing runs ChangeForm, and its OK
    // and Cancel buttons end a modal showing.
    TSetupDlg(Form& form, DialogWindows& windows, WindowHandle parent,
              const SetupServices& services);
    ~TSetupDlg() override;

    // Refreshes every control from the settings and the system.
    void ChangeForm();

    // The tick's view of the open dialog.
    bool IsOpen() const override { return form_.Visible(); }
    void ShowConnectTime(const std::string& text) override;
    void ClearScheduledDisconnect() override;
    void Refresh() override;
    // The transmitted and received labels of the logs page: the session totals while the
    // carrier is up, nothing otherwise.
    void ShowSessionTraffic(std::int32_t transmitted, std::int32_t received);
    void ClearSessionTraffic();

    // The help button of page `index`, which every page has.
    TButton& HelpButton(int index) const { return *pageHelpButtons_.at(index); }

    // The room the dialog's controls take, inside its window's frame.
    static constexpr int kClientWidth = 480;
    static constexpr int kClientHeight = 420;

    // The page control and the button row.
    TPageControl* Setup = nullptr;
    TButton* Ok = nullptr;
    TButton* BitBtn2 = nullptr;
    TButton* BitBtn3 = nullptr;
    TButton* Cancel = nullptr;

    // Startup && Exit.
    TTabSheet* TabSheetBasic = nullptr;
    TCheckBox* CBLoadWindows = nullptr;
    TCheckBox* NoLogo = nullptr;
    TCheckBox* CBAutoRun = nullptr;
    TEdit* editautorunprog = nullptr;
    TButton* ButtonBrowseAutoRunProg = nullptr;
    TCheckBox* CBDUNRun = nullptr;
    TComboBox* ComboBDUNDesc = nullptr;
    TButton* ButtonRunNOW = nullptr;
    TCheckBox* WarnExit = nullptr;
    TCheckBox* CBAutoExit = nullptr;
    TVexSpinEdit* SEExitDelay = nullptr;

    // Window Properties.
    TTabSheet* WindowTabSheet = nullptr;
    TCheckBox* CBSystray = nullptr;
    TRadioGroup* RadioGroupOnTop = nullptr;
    TVexSpinEdit* SEAutoDetect = nullptr;
    TCheckBox* AutoMaximize = nullptr;

    // Port Detection.
    TTabSheet* DetectionTabSheet = nullptr;
    TComboBox* ComboBPorts = nullptr;
    TVexSpinEdit* SETimer = nullptr;
    TButton* ButtonDetectComPorts = nullptr;
    TCheckBox* CBDunLights = nullptr;
    TCheckBox* CBDunRegistry = nullptr;
    TComboBox* ComboBDeviceDesc = nullptr;
    TCheckBox* CBRNAAPP = nullptr;
    TCheckBox* CBRDAltDetect = nullptr;
    TCheckBox* CBNoVxd = nullptr;
    TCheckBox* CBNDPA = nullptr;
    TCheckBox* CBShowDUNIcon = nullptr;
    TCheckBox* CBRunLights = nullptr;

    // Layout && Colors.
    TTabSheet* LayoutTabSheet = nullptr;
    TRadioGroup* LayoutGroup = nullptr;
    TRadioGroup* LampLook = nullptr;
    TButton* LampOn = nullptr;
    TButton* LampOff = nullptr;
    TButton* Text = nullptr;
    TButton* Background = nullptr;
    TColourSwatch* PaintBoxLampOn = nullptr;
    TColourSwatch* PaintBoxLampoff = nullptr;
    TColourSwatch* PaintBoxText = nullptr;
    TColourSwatch* PaintBoxBackground = nullptr;

    // Display.
    TTabSheet* TabSheetShow = nullptr;
    TCheckBox* CBCommStatusDisplay = nullptr;
    TButton* BitBtn17 = nullptr;
    TVexSpinEdit* SetDRDRate = nullptr;
    TCheckBox* CBTDRDDisplay = nullptr;
    TRadioGroup* RadioGroupInDisplay = nullptr;

    // Sounds, and the inactivity warning's sound on Inactivity.
    TTabSheet* SoundsTabSheet = nullptr;
    TRadioGroup* RISoundGroup = nullptr;
    TButton* SoundRI = nullptr;
    TStaticControl* LabelRISound = nullptr;
    TButton* SoundRITest = nullptr;
    TRadioGroup* ConnectSoundGroup = nullptr;
    TButton* SoundConnect = nullptr;
    TStaticControl* LabelConnectSound = nullptr;
    TButton* SoundConnectTest = nullptr;
    TRadioGroup* DisconnectSoundGroup = nullptr;
    TButton* SoundDisconnect = nullptr;
    TStaticControl* LabelDisconnectSound = nullptr;
    TButton* SoundDisconnectTest = nullptr;
    TRadioGroup* WarnInactiveSoundGroup = nullptr;
    TButton* WarnInactiveSound = nullptr;
    TStaticControl* LabelWarnInactiveSound = nullptr;
    TButton* SoundWarnInactiveTest = nullptr;

    // Inactivity.
    TTabSheet* InactivityWarn = nullptr;
    TCheckBox* CBTriggerRD = nullptr;
    TCheckBox* CBWarnInactive = nullptr;
    TVexSpinEdit* SEWarnMinutes = nullptr;
    TVexSpinEdit* SEWarnSeconds = nullptr;
    TCheckBox* CBDisconnectInactive = nullptr;
    TVexSpinEdit* SEDisconnectMinutes = nullptr;
    TVexSpinEdit* SEDisconnectSeconds = nullptr;

    // Loggings.
    TTabSheet* TabSheetLoggings = nullptr;
    TStaticControl* GroupBoxLogRi = nullptr;
    TCheckBox* CheckBoxLogRI = nullptr;
    TButton* BitBtn18 = nullptr;
    TButton* BitBtn19 = nullptr;
    TStaticControl* GroupBoxLogDCD = nullptr;
    TCheckBox* CheckBoxLogConnect = nullptr;
    TButton* BitBtn20 = nullptr;
    TButton* BitBtn21 = nullptr;
    TVexSpinEdit* SECDUpTime = nullptr;
    TVexSpinEdit* SENegDelay = nullptr;
    TCheckBox* CBLogTotal = nullptr;
    TStaticControl* LabelTD = nullptr;
    TStaticControl* LabelRD = nullptr;

    // Titlebar Display.
    TTabSheet* TitlebarSheet = nullptr;
    TRadioGroup* StatusGroup = nullptr;
    TRadioGroup* TitleLayoutGroup = nullptr;
    TRadioGroup* LampLookGroup = nullptr;
    TRadioGroup* RadioGroupInTitle = nullptr;
    TVexSpinEdit* SEEditOffsetR = nullptr;
    TVexSpinEdit* SEEditOffsetT = nullptr;
    TButton* FontTitlebar = nullptr;
    TButton* BitBtnFontColor = nullptr;
    TColourSwatch* PaintBoxTitlebarFont = nullptr;
    TButton* BitBtnTitlebarbackground = nullptr;
    TColourSwatch* PaintBoxTitlebarBG = nullptr;
    TButton* BitBtnResetFont = nullptr;

    // Connect Time Reset.
    TTabSheet* ConnectTimeResetTabSheet = nullptr;
    TStaticControl* LabelConnectTime = nullptr;
    TRadioGroup* RGAutoReset = nullptr;
    TDateTimePicker* ConnectResetDatePicker = nullptr;
    TDateTimePicker* ConnectResetTimePicker = nullptr;
    TButton* ButtonNow = nullptr;
    TStaticControl* LabelNextReset1 = nullptr;
    TStaticControl* LabelNextReset = nullptr;
    TButton* ButtonResetNow = nullptr;

    // Auto Disconnect.
    TTabSheet* DisconnectTabSheet = nullptr;
    TDateTimePicker* AutoDisconnectDatePicker = nullptr;
    TDateTimePicker* AutoDisconnectTimePicker = nullptr;
    TButton* ButtonAutoDisconnectNow = nullptr;
    TCheckBox* CBAutoDisconnectActive = nullptr;
    TVexSpinEdit* SEAutoTimedHours = nullptr;
    TVexSpinEdit* SEAutoTimedMinutes = nullptr;
    TCheckBox* CBAutoTimedDisconnectActive = nullptr;

    // Miscellaneous.
    TTabSheet* MiscTabSheet = nullptr;
    TButton* ButtonModemSetup = nullptr;
    TCheckBox* CBModemInit = nullptr;
    TEdit* EditModemInitString = nullptr;
    TButton* ButtonSendNOW = nullptr;
    TComboBox* CBModemLogName = nullptr;
    TButton* BtnModemLog = nullptr;
    TEdit* Editorname = nullptr;
    TButton* BrowseEditorName = nullptr;

  private:
    // A sound choice with its file: the group of "Sound", "Beep" and "None", the picker, the
    // file's label and the Test button.
    struct SoundChoice {
        TRadioGroup* group = nullptr;
        TButton* picker = nullptr;
        TStaticControl* label = nullptr;
        TButton* test = nullptr;
        std::int32_t* play = nullptr;
        std::string* file = nullptr;
    };

    // Building, page by page.
    TTabSheet& AddPage(const std::string& name, const std::string& caption, unsigned helpContext,
                       const std::string& hint = "");
    void BuildStartupPage();
    void BuildWindowPage();
    void BuildDetectionPage();
    void BuildLayoutPage();
    void BuildDisplayPage();
    void BuildSoundsPage();
    void BuildInactivityPage();
    void BuildLoggingsPage();
    void BuildTitlebarPage();
    void BuildConnectTimeResetPage();
    void BuildDisconnectPage();
    void BuildMiscPage();
    void BuildButtonRow();
    SoundChoice& AddSoundChoice(const ControlBuilder& place, int width, const std::string& group,
                                const std::string& caption, const std::string& picker,
                                const std::string& pickerCaption, const std::string& label,
                                const std::string& test, std::int32_t& play, std::string& file);

    // ChangeForm's steps.
    void RefreshAll();
    void RefreshStartupAndExit();
    void RefreshDialUpEntries();
    void RefreshWindow();
    void RefreshPorts();
    void RefreshLights();
    void RefreshDeviceDescriptions();
    void RefreshDetection();
    void RefreshModemIcon();
    void RefreshLayoutAndSounds();
    void RefreshInactivity();
    void RefreshTitlebar();
    void RefreshDisplay();
    void RefreshLoggings();
    void RefreshConnectTimeReset();
    void RefreshAutoDisconnect();
    void RefreshMisc();
    void RefreshModemLogs();
    void RefreshSound(const SoundChoice& choice);

    // What the dialog does to the main window.
    void PanelChanged();
    void FontChanged();
    void ColourButton(Colour& colour, TColourSwatch& swatch);
    void FontButton(FontSpec& font);
    std::optional<std::string> PickProgram(const std::string& current);
    std::string ShortProgramPath() const;

    // Boxes that store a flag and nothing else, and edits that store their text.
    void BindFlag(TCheckBox& box, std::int32_t& setting);
    void BindText(TEdit& edit, std::string& setting);
    void FlagClick(Component& sender);
    void TextChange(Component& sender);

    // Handlers, named after their controls.
    void SetupChange(Component&);
    void OkClick(Component&);
    void CancelClick(Component&);
    void HelpClick(Component&);
    void FormShow(Component&);

    void CBLoadWindowsClick(Component&);
    void NoLogoClick(Component&);
    void ButtonBrowseAutoRunProgClick(Component&);
    void ButtonRunNOWClick(Component&);

    void CBSystrayClick(Component&);
    void RadioGroupOnTopClick(Component&);

    void ComboBPortsChange(Component&);
    void SETimerChange(Component&);
    void ButtonDetectComPortsClick(Component&);
    void CBDunLightsClick(Component&);
    void CBDunRegistryClick(Component&);
    void CBRNAAPPClick(Component&);
    void CBNoVxdClick(Component&);
    void CBShowDUNIconClick(Component&);

    void LayoutGroupClick(Component&);
    void LampLookClick(Component&);
    void LampOnClick(Component&);
    void LampOffClick(Component&);
    void TextClick(Component&);
    void BackgroundClick(Component&);

    void CBCommStatusDisplayClick(Component&);
    void BitBtn17Click(Component&);
    void CBTDRDDisplayClick(Component&);
    void RadioGroupInDisplayClick(Component&);

    void SoundGroupClick(Component&);
    void SoundPickerClick(Component&);
    void SoundTestClick(Component&);

    void CBWarnInactiveClick(Component&);
    void CBDisconnectInactiveClick(Component&);

    void BitBtn18Click(Component&);
    void BitBtn19Click(Component&);
    void BitBtn20Click(Component&);
    void BitBtn21Click(Component&);

    void StatusGroupClick(Component&);
    void TitleLayoutGroupClick(Component&);
    void LampLookGroupClick(Component&);
    void RadioGroupInTitleClick(Component&);
    void FontTitlebarClick(Component&);
    void BitBtnFontColorClick(Component&);
    void BitBtnTitlebarbackgroundClick(Component&);
    void BitBtnResetFontClick(Component&);

    void RGAutoResetClick(Component&);
    void ConnectResetDatePickerChange(Component&);
    void ConnectResetTimePickerChange(Component&);
    void ButtonNowClick(Component&);
    void ButtonResetNowClick(Component&);

    void AutoDisconnectDatePickerChange(Component&);
    void AutoDisconnectTimePickerChange(Component&);
    void ButtonAutoDisconnectNowClick(Component&);
    void CBAutoDisconnectActiveClick(Component&);

    void ButtonModemSetupClick(Component&);
    void ButtonSendNOWClick(Component&);
    void BtnModemLogClick(Component&);
    void BrowseEditorNameClick(Component&);

    Form& form_;
    SetupServices services_;
    MonitorSettings& settings_;
    ConnectionState& connection_;
    SetupHost& host_;
    LogActions logs_;
    ControlBuilder build_;
    std::vector<std::pair<TCheckBox*, std::int32_t*>> flags_;
    std::vector<std::pair<TEdit*, std::string*>> texts_;
    std::vector<TButton*> pageHelpButtons_;
    std::vector<std::pair<TButton*, unsigned>> helpButtons_;
    std::array<SoundChoice, 4> sounds_{};
    int soundCount_ = 0;
    bool refreshing_ = false;
    bool refreshPending_ = false;
};

}  // namespace lw
