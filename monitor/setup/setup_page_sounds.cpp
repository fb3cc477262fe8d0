// The pages "Sounds" and "Inactivity": the four sound choices, and the inactivity warning and
// disconnect.
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/setup_values.h"

namespace lw {
namespace {

constexpr const char* kSoundFilter = "Sound files|*.wav|All files (*.*)|*.*";
constexpr int kWidth = 444;

ControlRect Box(int left, int top, int width) {
    return ControlRect::Sized(left, top, width, 17);
}

// Minutes and seconds of an inactivity rule, on one line after its box.
struct TimeEdits {
    TVexSpinEdit* minutes;
    TVexSpinEdit* seconds;
};

TimeEdits AddTimeEdits(const ControlBuilder& place, int top, std::int32_t& minutes,
                       std::int32_t& seconds) {
    place.Text("for", 162, top + 4, 20);
    TVexSpinEdit& minuteEdit =
        place.SpinEdit(ControlRect::Sized(184, top, 60, 21), 0, 10000, minutes);
    place.Text("minute(s)", 250, top + 4);
    TVexSpinEdit& secondEdit =
        place.SpinEdit(ControlRect::Sized(312, top, 60, 21), 0, 10000, seconds);
    place.Text("second(s)", 378, top + 4);
    return {&minuteEdit, &secondEdit};
}

}  // namespace

TSetupDlg::SoundChoice& TSetupDlg::AddSoundChoice(
    const ControlBuilder& place, int width, const std::string& group, const std::string& caption,
    const std::string& picker, const std::string& pickerCaption, const std::string& label,
    const std::string& test, std::int32_t& play, std::string& file) {
    SoundChoice& choice = sounds_.at(soundCount_++);
    choice.group = &place.RadioGroup(group, caption, ControlRect::Sized(0, 0, width, 76),
                                     {"Sound", "Beep", "None"}, 1, 70);
    choice.picker = &place.Button(picker, pickerCaption, ControlRect::Sized(96, 16, 120, 23));
    choice.test = &place.Button(test, "Test", ControlRect::Sized(226, 16, 60, 23));
    choice.label = &place.Label(label, "", ControlRect::Sized(96, 48, width - 104, 17));
    choice.play = &play;
    choice.file = &file;
    choice.group->OnClick = NotifyEvent::Of<&TSetupDlg::SoundGroupClick>(*this);
    choice.picker->OnClick = NotifyEvent::Of<&TSetupDlg::SoundPickerClick>(*this);
    choice.test->OnClick = NotifyEvent::Of<&TSetupDlg::SoundTestClick>(*this);
    return choice;
}

void TSetupDlg::BuildSoundsPage() {
    SoundsTabSheet = &AddPage("SoundsTabSheet", "Sounds", 16);
    const ControlBuilder page = build_.On(*SoundsTabSheet);

    const SoundChoice& ri = AddSoundChoice(
        page.Within(8, 4), kWidth, "RISoundGroup", "Incoming Call (RI)", "SoundRI", "RI Sound...",
        "LabelRISound", "SoundRITest", settings_.RIPlaySound, settings_.RISound);
    const SoundChoice& cd =
        AddSoundChoice(page.Within(8, 88), kWidth, "ConnectSoundGroup", "Connect (CD high)",
                       "SoundConnect", "Connect Sound...", "LabelConnectSound", "SoundConnectTest",
                       settings_.ConnectPlaySound, settings_.ConnectSound);
    const SoundChoice& hangUp = AddSoundChoice(
        page.Within(8, 172), kWidth, "DisconnectSoundGroup", "Disconnect (CD low)",
        "SoundDisconnect", "DisconnectSound...", "LabelDisconnectSound", "SoundDisconnectTest",
        settings_.DisconnectPlaySound, settings_.DisconnectSound);

    RISoundGroup = ri.group;
    SoundRI = ri.picker;
    LabelRISound = ri.label;
    SoundRITest = ri.test;
    ConnectSoundGroup = cd.group;
    SoundConnect = cd.picker;
    LabelConnectSound = cd.label;
    SoundConnectTest = cd.test;
    DisconnectSoundGroup = hangUp.group;
    SoundDisconnect = hangUp.picker;
    LabelDisconnectSound = hangUp.label;
    SoundDisconnectTest = hangUp.test;
}

void TSetupDlg::BuildInactivityPage() {
    InactivityWarn = &AddPage("InactivityWarn", "Inactivity", 17);
    const ControlBuilder page = build_.On(*InactivityWarn);

    page.Text("TD and RD are normally used to detect inactivity.", 10, 6, 400);
    CBTriggerRD = &page.CheckBox("CBTriggerRD", "Trigger only on RD", Box(10, 24, 200));

    page.Group("", "Warn", ControlRect::Sized(8, 46, kWidth, 136));
    const ControlBuilder warn = page.Within(8, 46);
    CBWarnInactive = &warn.CheckBox("CBWarnInactive", "Warn if Inactive", Box(10, 22, 148));
    const TimeEdits warnTime =
        AddTimeEdits(warn, 18, settings_.WarnTimeIfInactive, settings_.WarnTimeIfInactiveSeconds);
    SEWarnMinutes = warnTime.minutes;
    SEWarnSeconds = warnTime.seconds;
    const SoundChoice& sound = AddSoundChoice(
        warn.Within(8, 50), kWidth - 16, "WarnInactiveSoundGroup", "Warn if Inactive",
        "WarnInactiveSound", "Sound...", "LabelWarnInactiveSound", "SoundWarnInactiveTest",
        settings_.WarnInactivePlaySound, settings_.WarnInactiveSound);
    WarnInactiveSoundGroup = sound.group;
    WarnInactiveSound = sound.picker;
    LabelWarnInactiveSound = sound.label;
    SoundWarnInactiveTest = sound.test;

    page.Group("", "Disconnect", ControlRect::Sized(8, 186, kWidth, 52));
    const ControlBuilder disconnect = page.Within(8, 186);
    CBDisconnectInactive =
        &disconnect.CheckBox("CBDisconnectInactive", "Disconnect if Inactive", Box(10, 22, 148));
    const TimeEdits disconnectTime =
        AddTimeEdits(disconnect, 18, settings_.DisconnectTimeIfInactive,
                     settings_.DisconnectTimeIfInactiveSeconds);
    SEDisconnectMinutes = disconnectTime.minutes;
    SEDisconnectSeconds = disconnectTime.seconds;

    BindFlag(*CBTriggerRD, settings_.TriggerRD);
    CBWarnInactive->OnClick = NotifyEvent::Of<&TSetupDlg::CBWarnInactiveClick>(*this);
    CBDisconnectInactive->OnClick = NotifyEvent::Of<&TSetupDlg::CBDisconnectInactiveClick>(*this);
}

void TSetupDlg::SoundGroupClick(Component& sender) {
    for (const SoundChoice& choice : sounds_) {
        if (choice.group != &sender) {
            continue;
        }
        *choice.play = OneTwoZeroValue(choice.group->ItemIndex());
        choice.test->SetEnabled(*choice.play != 0);
        const bool waveFile = IsOn(*choice.play);
        choice.label->SetVisible(waveFile);
        choice.picker->SetEnabled(waveFile);
    }
}

// Without a file yet the dialog starts in the system's sounds.
void TSetupDlg::SoundPickerClick(Component& sender) {
    for (const SoundChoice& choice : sounds_) {
        if (choice.picker != &sender) {
            continue;
        }
        std::string start = *choice.file;
        if (start.empty()) {
            start = services_.system.WindowsDirectory() + "\\Media\\*.wav";
        }
        if (const std::optional<std::string> chosen =
                services_.dialogs.OpenFile(kSoundFilter, start)) {
            *choice.file = *chosen;
        }
        choice.label->SetCaption(*choice.file);
    }
}

void TSetupDlg::SoundTestClick(Component& sender) {
    for (const SoundChoice& choice : sounds_) {
        if (choice.test == &sender) {
            PlaySoundSetting(services_.sounds, *choice.play, *choice.file);
        }
    }
}

// A rule switched on or off starts counting afresh, with no box of it standing open.
void TSetupDlg::CBWarnInactiveClick(Component&) {
    settings_.WarnIfInactive = CBWarnInactive->Checked() ? 1 : 0;
    connection_.WarnPromptOpen = false;
    connection_.LastActivity = services_.clock.Now();
}

void TSetupDlg::CBDisconnectInactiveClick(Component&) {
    settings_.DisconnectIfInactive = CBDisconnectInactive->Checked() ? 1 : 0;
    connection_.DisconnectPromptOpen = false;
    connection_.LastActivity = services_.clock.Now();
}

}  // namespace lw
