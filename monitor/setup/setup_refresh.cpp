// ChangeForm's steps, in the order they run: every control is given what the settings (and
// the system) say now.
#include "monitor/core/tracking/auto_reset.h"
#include "monitor/core/tracking/connection_log_text.h"
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/setup_values.h"
#include "monitor/setup/system_entries.h"

namespace lw {
namespace {

void SelectItem(TRadioGroup& group, std::optional<int> item) {
    if (item) {
        group.SetItemIndex(*item);
    }
}

void SelectOneTwoZero(TRadioGroup& group, std::int32_t value) {
    SelectItem(group, OneTwoZeroItem(value));
}

void SelectIndex(TRadioGroup& group, std::int32_t value) {
    if (value >= 0 && value < group.Count()) {
        group.SetItemIndex(value);
    }
}

}  // namespace

void TSetupDlg::RefreshStartupAndExit() {
    if (const std::optional<bool> ticked =
            ReadStartupEntry(services_.system.Keys(), ShortProgramPath())) {
        CBLoadWindows->SetChecked(*ticked);
    }
    NoLogo->SetChecked(settings_.ShowLogoAtStartup == 0);
    WarnExit->SetChecked(IsOn(settings_.WarnWhenExiting));
    CBAutoExit->SetChecked(IsOn(settings_.CDAutoExit));
    SEExitDelay->SetValue(settings_.CDAutoExitDelay);
    editautorunprog->SetText(settings_.AutoRunProgram);
}

void TSetupDlg::RefreshDialUpEntries() {
    ComboBDUNDesc->SetItems(services_.discovery.DialUpEntries());
    ComboBDUNDesc->SetText(settings_.DUNRunConnectoidName);
    CBDUNRun->SetChecked(IsOn(settings_.DUNRunConnectoid));
}

void TSetupDlg::RefreshWindow() {
    SelectOneTwoZero(*RadioGroupOnTop, settings_.OnTop);
    SEAutoDetect->SetValue(settings_.AutoDelayTitle);
    AutoMaximize->SetChecked(IsOn(settings_.AutoMaximize));
    CBSystray->SetChecked(IsOn(settings_.ShowTrayIcon));
}

void TSetupDlg::RefreshPorts() {
    ComboBPorts->SetItems(services_.discovery.PortNames());
    ComboBPorts->SetText(settings_.DefaultPort > 0 ? "COM" + std::to_string(settings_.DefaultPort)
                                                   : "");
    SETimer->SetValue(settings_.TimerInterval);
}

void TSetupDlg::RefreshLights() {
    const bool installed = services_.sampling.LightsInstalled;
    CBDunLights->SetEnabled(installed);
    CBDunLights->SetChecked(IsOn(settings_.DUNLights));
    CBRunLights->SetEnabled(installed && IsOn(settings_.DUNLights) && host_.LightsProgramFound());
}

void TSetupDlg::RefreshDeviceDescriptions() {
    ComboBDeviceDesc->SetItems(services_.discovery.DeviceDescriptions());
    ComboBDeviceDesc->SetText(settings_.DUNRegistryName);
    CBDunRegistry->SetChecked(IsOn(settings_.DUNRegistry));
    ComboBDeviceDesc->SetEnabled(IsOn(settings_.DUNRegistry));
}

void TSetupDlg::RefreshDetection() {
    CBRNAAPP->SetEnabled(services_.sampling.DialerVersion != 2);
    CBRNAAPP->SetChecked(IsOn(settings_.RNAAPP));
    CBRDAltDetect->SetChecked(IsOn(settings_.AlternativeMethodForRD));
    CBNoVxd->SetChecked(IsOn(settings_.NoVxd));
    CBRunLights->SetChecked(IsOn(settings_.RunLights));
}

void TSetupDlg::RefreshModemIcon() {
    if (const std::optional<bool> hidden = ReadModemIconHidden(services_.system.Keys())) {
        CBShowDUNIcon->SetChecked(*hidden);
    }
    CBShowDUNIcon->SetEnabled(CBRNAAPP->Checked() || CBDunRegistry->Checked());
    if (services_.sampling.DialerVersion == 2 && IsOn(settings_.RunLights)) {
        CBShowDUNIcon->SetChecked(true);
    }
}

void TSetupDlg::RefreshLayoutAndSounds() {
    SelectItem(*LayoutGroup, LayoutItem(settings_.NewOrientation));
    SelectIndex(*LampLook, settings_.LampLook);
    PaintBoxLampOn->Show(settings_.LightColorOn);
    PaintBoxLampoff->Show(settings_.LightColorOff);
    PaintBoxText->Show(settings_.TextColor);
    PaintBoxBackground->Show(settings_.BackgroundColor);
    for (int i = 0; i < 3; ++i) {
        RefreshSound(sounds_[i]);
    }
}

void TSetupDlg::RefreshSound(const SoundChoice& choice) {
    SelectOneTwoZero(*choice.group, *choice.play);
    choice.test->SetEnabled(*choice.play != 0);
    choice.label->SetCaption(*choice.file);
}

void TSetupDlg::RefreshInactivity() {
    CBWarnInactive->SetChecked(IsOn(settings_.WarnIfInactive));
    CBDisconnectInactive->SetChecked(IsOn(settings_.DisconnectIfInactive));
    SEWarnMinutes->SetValue(settings_.WarnTimeIfInactive);
    SEWarnSeconds->SetValue(settings_.WarnTimeIfInactiveSeconds);
    SEDisconnectMinutes->SetValue(settings_.DisconnectTimeIfInactive);
    SEDisconnectSeconds->SetValue(settings_.DisconnectTimeIfInactiveSeconds);
    CBTriggerRD->SetChecked(IsOn(settings_.TriggerRD));
    const SoundChoice& warning = sounds_[3];
    RefreshSound(warning);
    warning.label->SetVisible(IsOn(*warning.play));
}

void TSetupDlg::RefreshTitlebar() {
    SelectOneTwoZero(*StatusGroup, settings_.Title);
    RadioGroupInTitle->SetItemIndex(ConnectTimeItem(
        {settings_.DisplayConnectTimeInTitlebar, settings_.DisplayTotalConnectTimeInTitlebar}));
    SelectIndex(*TitleLayoutGroup, settings_.OrientationTitle - kFirstTitleLayout);
    SelectIndex(*LampLookGroup, settings_.LampLookTitle);
    SEEditOffsetR->SetValue(settings_.TitleBarOffset);
    SEEditOffsetT->SetValue(settings_.TitleBarOffsetT);
    PaintBoxTitlebarFont->Show(settings_.TitleBarFont.colour);
    PaintBoxTitlebarBG->Show(settings_.FontTitlebarBackgroundColor);
}

void TSetupDlg::RefreshDisplay() {
    CBCommStatusDisplay->SetChecked(IsOn(settings_.StatusInDisplay));
    CBTDRDDisplay->SetChecked(IsOn(settings_.SPYSpeedInDisplay));
    RadioGroupInDisplay->SetItemIndex(ConnectTimeItem(
        {settings_.DisplayConnectTime, settings_.DisplayTotalConnectTimeInDisplay}));
    SetDRDRate->SetValue(settings_.RDTDSpeedUpdate);
}

void TSetupDlg::RefreshLoggings() {
    CheckBoxLogRI->SetChecked(IsOn(settings_.LogRI));
    CheckBoxLogConnect->SetChecked(IsOn(settings_.LogDCD));
    SECDUpTime->SetValue(settings_.DCDInterval);
    SENegDelay->SetValue(settings_.NegotiationDelay);
    CBLogTotal->SetChecked(IsOn(settings_.LogTotalBytes));
    if (services_.sampling.Current.CD == 1) {
        ShowSessionTraffic(connection_.SessionTransmitted, connection_.SessionReceived);
    } else {
        ClearSessionTraffic();
    }
}

void TSetupDlg::RefreshConnectTimeReset() {
    SelectIndex(*RGAutoReset, settings_.ConnectResetLoggerEvent);
    const DayCount reference = settings_.ConnectResetLoggerTimeRef != 0
                                   ? settings_.ConnectResetLoggerTimeRef
                                   : services_.clock.Now();
    ConnectResetDatePicker->SetDateTime(reference);
    ConnectResetTimePicker->SetDateTime(reference);
    const std::optional<DayCount> next = settings_.ConnectResetLoggerEvent != kNoAutoReset
                                             ? NextAutoResetTime(settings_)
                                             : std::nullopt;
    LabelNextReset->SetCaption(next ? FormatLogTime(services_.dates, *next) : "");
    LabelNextReset1->SetVisible(next.has_value());
}

void TSetupDlg::RefreshAutoDisconnect() {
    CBAutoDisconnectActive->SetChecked(connection_.ScheduledDisconnectArmed);
    const DayCount at = connection_.ScheduledDisconnectAt != 0 ? connection_.ScheduledDisconnectAt
                                                               : services_.clock.Now();
    AutoDisconnectDatePicker->SetDateTime(at);
    AutoDisconnectTimePicker->SetDateTime(at);
    CBAutoTimedDisconnectActive->SetChecked(IsOn(settings_.AutoTimedDisconnectActive));
    SEAutoTimedHours->SetValue(settings_.AutoTimedDisconnectHours);
    SEAutoTimedMinutes->SetValue(settings_.AutoTimedDisconnectMinutes);
}

void TSetupDlg::RefreshMisc() {
    CBNDPA->SetChecked(IsOn(settings_.NoDirectHardwareAccess));
    EditModemInitString->SetText(settings_.ModemInitString);
    CBModemInit->SetChecked(IsOn(settings_.InitModem));
    CBAutoRun->SetChecked(IsOn(settings_.AutoRun));
    Editorname->SetText(settings_.EditorName);
}

void TSetupDlg::RefreshModemLogs() {
    CBModemLogName->SetItems(services_.discovery.ModemLogNames());
    CBModemLogName->SetText(settings_.ModemLogName);
}

}  // namespace lw
