// The pages " Connect Time Reset" and "Auto Disconnect": the automatic reset of the total
// connect time, and the hang-ups at a set moment and after a set connect time.
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/setup_values.h"

namespace lw {
namespace {

constexpr Colour kRed = 0x0000FF;
const ControlLook kActivateLook = ControlLook::Bold(kRed, 16);

ControlRect ButtonAt(int left, int top, int width) {
    return ControlRect::Sized(left, top, width, 23);
}

}  // namespace

void TSetupDlg::BuildConnectTimeResetPage() {
    ConnectTimeResetTabSheet = &AddPage("ConnectTimeResetTabSheet", " Connect Time Reset", 13);
    const ControlBuilder page = build_.On(*ConnectTimeResetTabSheet);

    LabelConnectTime = &page.Label("LabelConnectTime", "", ControlRect::Sized(8, 8, 444, 15));
    page.Group("", "Automatic Reset of Total Connect Time", ControlRect::Sized(8, 30, 444, 186));
    const ControlBuilder reset = page.Within(8, 30);
    RGAutoReset = &reset.RadioGroup("RGAutoReset", "Interval", ControlRect::Sized(10, 18, 180, 160),
                                    {"No automatic reset", "Each Year", "Each Quarter",
                                     "Each Month                ", "Each Week", "Each Day"});
    reset.Text("Reference Date:", 204, 22);
    ConnectResetDatePicker = &reset.Picker("ConnectResetDatePicker", ControlKind::DatePicker,
                                           ControlRect::Sized(204, 40, 110, 21));
    ConnectResetTimePicker = &reset.Picker("ConnectResetTimePicker", ControlKind::TimePicker,
                                           ControlRect::Sized(320, 40, 110, 21));
    ButtonNow = &reset.Button("ButtonNow", "Set Date/Time = NOW!", ButtonAt(204, 70, 150));
    LabelNextReset1 = &reset.Label("LabelNextReset1",
                                   "Next Automatic Reset:", ControlRect::Sized(204, 120, 200, 15));
    LabelNextReset =
        &reset.Label("LabelNextReset", "Date/Time", ControlRect::Sized(204, 138, 226, 15));
    ButtonResetNow =
        &page.Button("ButtonResetNow", "Reset Total Connect Time NOW!", ButtonAt(8, 226, 200));

    RGAutoReset->OnClick = NotifyEvent::Of<&TSetupDlg::RGAutoResetClick>(*this);
    ConnectResetDatePicker->OnChange =
        NotifyEvent::Of<&TSetupDlg::ConnectResetDatePickerChange>(*this);
    ConnectResetTimePicker->OnChange =
        NotifyEvent::Of<&TSetupDlg::ConnectResetTimePickerChange>(*this);
    ButtonNow->OnClick = NotifyEvent::Of<&TSetupDlg::ButtonNowClick>(*this);
    ButtonResetNow->OnClick = NotifyEvent::Of<&TSetupDlg::ButtonResetNowClick>(*this);
}

void TSetupDlg::BuildDisconnectPage() {
    DisconnectTabSheet = &AddPage("DisconnectTabSheet", "Auto Disconnect", 14);
    const ControlBuilder page = build_.On(*DisconnectTabSheet);

    page.Group("", "Automatic Disconnect (hangup) at:", ControlRect::Sized(8, 6, 444, 86));
    const ControlBuilder at = page.Within(8, 6);
    AutoDisconnectDatePicker = &at.Picker("AutoDisconnectDatePicker", ControlKind::DatePicker,
                                          ControlRect::Sized(10, 22, 110, 21));
    AutoDisconnectTimePicker = &at.Picker("AutoDisconnectTimePicker", ControlKind::TimePicker,
                                          ControlRect::Sized(126, 22, 100, 21));
    ButtonAutoDisconnectNow =
        &at.Button("ButtonAutoDisconnectNow", "Set Date/Time = NOW!", ButtonAt(240, 21, 150));
    CBAutoDisconnectActive = &at.CheckBox("CBAutoDisconnectActive", "Activate!",
                                          ControlRect::Sized(10, 54, 140, 22), kActivateLook);

    page.Group("", "Automatic Disconnect (hangup) after:", ControlRect::Sized(8, 100, 444, 86));
    const ControlBuilder after = page.Within(8, 100);
    SEAutoTimedHours = &after.SpinEdit(ControlRect::Sized(10, 22, 64, 21), 0, 10000,
                                       settings_.AutoTimedDisconnectHours);
    after.Text("hour(s)", 80, 26);
    SEAutoTimedMinutes = &after.SpinEdit(ControlRect::Sized(130, 22, 64, 21), 0, 10000,
                                         settings_.AutoTimedDisconnectMinutes);
    after.Text("minute(s)", 200, 26);
    after.Text("of connect time.", 260, 26);
    CBAutoTimedDisconnectActive =
        &after.CheckBox("CBAutoTimedDisconnectActive", "Activate!",
                        ControlRect::Sized(10, 54, 140, 22), kActivateLook);

    AutoDisconnectDatePicker->OnChange =
        NotifyEvent::Of<&TSetupDlg::AutoDisconnectDatePickerChange>(*this);
    AutoDisconnectTimePicker->OnChange =
        NotifyEvent::Of<&TSetupDlg::AutoDisconnectTimePickerChange>(*this);
    ButtonAutoDisconnectNow->OnClick =
        NotifyEvent::Of<&TSetupDlg::ButtonAutoDisconnectNowClick>(*this);
    CBAutoDisconnectActive->OnClick =
        NotifyEvent::Of<&TSetupDlg::CBAutoDisconnectActiveClick>(*this);
    BindFlag(*CBAutoTimedDisconnectActive, settings_.AutoTimedDisconnectActive);
}

void TSetupDlg::RGAutoResetClick(Component&) {
    settings_.ConnectResetLoggerEvent = RGAutoReset->ItemIndex();
    ChangeForm();
}

void TSetupDlg::ConnectResetDatePickerChange(Component&) {
    settings_.ConnectResetLoggerTimeRef =
        WithDate(settings_.ConnectResetLoggerTimeRef, ConnectResetDatePicker->DateTime());
    ChangeForm();
}

void TSetupDlg::ConnectResetTimePickerChange(Component&) {
    settings_.ConnectResetLoggerTimeRef =
        WithTime(settings_.ConnectResetLoggerTimeRef, ConnectResetTimePicker->DateTime());
    ChangeForm();
}

void TSetupDlg::ButtonNowClick(Component&) {
    settings_.ConnectResetLoggerTimeRef = services_.clock.Now();
    ConnectResetDatePicker->SetDateTime(settings_.ConnectResetLoggerTimeRef);
    ConnectResetTimePicker->SetDateTime(settings_.ConnectResetLoggerTimeRef);
    ChangeForm();
}

void TSetupDlg::ButtonResetNowClick(Component&) {
    settings_.TotalConnectNew = 0;
    settings_.TotalConnectReset = services_.clock.Now();
}

void TSetupDlg::AutoDisconnectDatePickerChange(Component&) {
    connection_.ScheduledDisconnectAt =
        WithDate(connection_.ScheduledDisconnectAt, AutoDisconnectDatePicker->DateTime());
    ChangeForm();
}

void TSetupDlg::AutoDisconnectTimePickerChange(Component&) {
    connection_.ScheduledDisconnectAt =
        WithTime(connection_.ScheduledDisconnectAt, AutoDisconnectTimePicker->DateTime());
    ChangeForm();
}

void TSetupDlg::ButtonAutoDisconnectNowClick(Component&) {
    connection_.ScheduledDisconnectAt = services_.clock.Now();
    AutoDisconnectDatePicker->SetDateTime(connection_.ScheduledDisconnectAt);
    AutoDisconnectTimePicker->SetDateTime(connection_.ScheduledDisconnectAt);
    ChangeForm();
}

void TSetupDlg::CBAutoDisconnectActiveClick(Component&) {
    connection_.ScheduledDisconnectArmed = CBAutoDisconnectActive->Checked();
}

}  // namespace lw
