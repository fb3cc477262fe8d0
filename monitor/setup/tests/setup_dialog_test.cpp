// The settings dialog on fake windows: what each control shows after a refresh, what the
// user's changes store and do, and the rule that a refresh's change raises the control's own
// action.
#include <gtest/gtest.h>

#include <algorithm>

#include "monitor/setup/system_entries.h"
#include "monitor/setup/tests/fakes/setup_fakes.h"

namespace lw {
namespace {

using testing::CallLog;
using testing::SetupRig;

class SetupDialogTest : public ::testing::Test, protected SetupRig {
  protected:
    testing::FakeRegistry::Values& RunKey() {
        return system.registry.KeyAt(RegistryRoot::LocalMachine,
                                     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
    }
    testing::FakeRegistry::Values& RemoteAccess() {
        return system.registry.KeyAt(RegistryRoot::CurrentUser, "RemoteAccess");
    }
    void Type(TVexSpinEdit& edit, const std::string& text) {
        fakes::FakeEditWindow& window = Of(edit);
        window.SetFocus();
        window.Type(text);
    }
};

TEST_F(SetupDialogTest, TwelvePagesInOrderEachWithItsHelp) {
    const std::vector<std::pair<std::string, std::string>> pages{
        {"TabSheetBasic", "Startup && Exit"},
        {"WindowTabSheet", "Window Properties"},
        {"DetectionTabSheet", "Port Detection"},
        {"LayoutTabSheet", "Layout && Colors"},
        {"TabSheetShow", "Display"},
        {"SoundsTabSheet", "Sounds"},
        {"InactivityWarn", "Inactivity"},
        {"TabSheetLoggings", "Loggings"},
        {"TitlebarSheet", "Titlebar Display"},
        {"ConnectTimeResetTabSheet", " Connect Time Reset"},
        {"DisconnectTabSheet", "Auto Disconnect"},
        {"MiscTabSheet", "Miscellaneous"}};
    ASSERT_EQ(dialog.Setup->PageCount(), 12);
    std::vector<std::string> tabs;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(dialog.Setup->Page(i).Name(), pages[i].first);
        tabs.push_back(pages[i].second);
        Of(dialog.HelpButton(i)).Click();
        EXPECT_EQ(dialog.HelpButton(i).Caption(), "Settings");
    }
    EXPECT_EQ(Of(*dialog.Setup).tabs, tabs);
    Of(*dialog.BitBtn2).Click();
    Of(*dialog.BitBtn3).Click();
    EXPECT_EQ(log,
              (CallLog{"help 5", "help 6", "help 7", "help 8", "help 11", "help 16", "help 17",
                       "help 18", "help 19", "help 13", "help 14", "help 15", "help 2", "help 1"}));
    EXPECT_EQ(Of(dialog.HelpButton(0)).spec.look.hint, "Click here for HELP!");
    EXPECT_EQ(Of(*dialog.RadioGroupOnTop).spec.look.hint, "Sets Auto On Top behaviour");
}

TEST_F(SetupDialogTest, ShowingTheDialogRefreshesEveryPageFromTheSettings) {
    settings.ShowLogoAtStartup = 0;
    settings.AutoRunProgram = "C:\\Tools\\dial.exe";
    settings.OnTop = 2;
    settings.AutoDelayTitle = 45;
    settings.TimerInterval = 9;
    settings.NewOrientation = -4;
    settings.LampLook = 2;
    settings.Title = 0;
    settings.OrientationTitle = 6;
    settings.DisplayTotalConnectTimeInTitlebar = 1;
    settings.TitleBarOffset = -20;
    settings.LogTotalBytes = 1;
    settings.ConnectResetLoggerEvent = 3;
    settings.ModemInitString = "ATZ";
    settings.EditorName = "C:\\TOOLS\\ED.EXE";
    settings.ModemLogName = "C:\\WINDOWS\\MODEMLOG.TXT";
    settings.LightColorOn = 0x00FF00;
    discovery.entries = {"My ISP", "Office"};
    discovery.devices = {"Dial-Up Adapter"};
    discovery.modemLogs = {"C:\\WINDOWS\\MODEMLOG.TXT"};
    Open();

    EXPECT_TRUE(dialog.NoLogo->Checked());
    EXPECT_EQ(dialog.editautorunprog->Text(), "C:\\Tools\\dial.exe");
    EXPECT_EQ(dialog.ComboBDUNDesc->Items(), (std::vector<std::string>{"My ISP", "Office"}));
    EXPECT_EQ(dialog.RadioGroupOnTop->ItemIndex(), 1);
    EXPECT_EQ(dialog.SEAutoDetect->Text(), "45");
    EXPECT_EQ(dialog.ComboBPorts->Items(), (std::vector<std::string>{"COM1", "COM2"}));
    EXPECT_EQ(dialog.ComboBPorts->Text(), "COM1");
    EXPECT_EQ(dialog.SETimer->Text(), "9");
    EXPECT_EQ(dialog.LayoutGroup->ItemIndex(), 3);
    EXPECT_EQ(dialog.LampLook->ItemIndex(), 2);
    EXPECT_EQ(dialog.StatusGroup->ItemIndex(), 2);
    EXPECT_EQ(dialog.TitleLayoutGroup->ItemIndex(), 3);
    EXPECT_EQ(dialog.RadioGroupInTitle->ItemIndex(), 1);
    EXPECT_EQ(dialog.RadioGroupInDisplay->ItemIndex(), 2);
    EXPECT_EQ(dialog.SEEditOffsetR->Text(), "-20");
    EXPECT_TRUE(dialog.CBLogTotal->Checked());
    EXPECT_EQ(dialog.RGAutoReset->ItemIndex(), 3);
    EXPECT_EQ(dialog.EditModemInitString->Text(), "ATZ");
    EXPECT_EQ(dialog.Editorname->Text(), "C:\\TOOLS\\ED.EXE");
    EXPECT_EQ(dialog.CBModemLogName->Text(), "C:\\WINDOWS\\MODEMLOG.TXT");
    EXPECT_EQ(dialog.ComboBDeviceDesc->Items(), discovery.devices);
    EXPECT_EQ(dialog.PaintBoxLampOn->ShownColour(), 0x00FF00u);
    // The refresh only stores what it found: the settings are as they were.
    EXPECT_EQ(settings.NewOrientation, -4);
    EXPECT_EQ(settings.TimerInterval, 9);
    EXPECT_EQ(settings.ShowLogoAtStartup, 0);
}

// What a refresh changes raises the control's own action, so its side effects come again;
// what it leaves as shown raises nothing.
TEST_F(SetupDialogTest, ARefreshThatChangesAControlRaisesItsAction) {
    Open();
    settings.ShowTrayIcon = 1;
    settings.TimerInterval = 16;
    connection.PanelDirty = false;
    dialog.ChangeForm();
    EXPECT_EQ(log, (CallLog{"tray icon on", "update tray icon", "redraw", "timer 62"}));
    EXPECT_TRUE(connection.PanelDirty);

    log.clear();
    dialog.ChangeForm();
    EXPECT_TRUE(log.empty());

    settings.ShowTrayIcon = 0;
    settings.NewOrientation = -3;
    dialog.ChangeForm();
    EXPECT_EQ(log, (CallLog{"tray icon off", "tray show app", "redraw"}));
    EXPECT_EQ(settings.NewOrientation, 3);
}

TEST_F(SetupDialogTest, TheSamplingRateRetimesTheTickAtOnce) {
    Open();
    Type(*dialog.SETimer, "\b\b0");
    EXPECT_EQ(settings.TimerInterval, 0);
    EXPECT_EQ(log.back(), "timer 0");
    Type(*dialog.SETimer, "\b18");
    EXPECT_EQ(log.back(), "timer 56");
    Type(*dialog.SETimer, "\b\b16");
    EXPECT_EQ(log.back(), "timer 62");
    EXPECT_EQ(settings.TimerInterval, 16);
}

TEST_F(SetupDialogTest, SpinEditsStoreWhileTypingAndKeepToTheirRangeWhenLeft) {
    Open();
    Type(*dialog.SEExitDelay, "\b\b99999");
    EXPECT_EQ(settings.CDAutoExitDelay, 99999);
    Of(*dialog.SEExitDelay).Leave();
    EXPECT_EQ(settings.CDAutoExitDelay, 10000);
    EXPECT_EQ(dialog.SEExitDelay->Text(), "10000");

    Type(*dialog.SENegDelay, "\b\b");
    EXPECT_EQ(settings.NegotiationDelay, 0);
    Type(*dialog.SEEditOffsetT, "\b-7");
    EXPECT_EQ(settings.TitleBarOffsetT, -7);
}

TEST_F(SetupDialogTest, AnotherLayoutKeepsTheWindowMinimisedAndTheSameKeepsItsWidth) {
    settings.NewOrientation = -3;
    settings.WindowSizeX = 150;
    Open();
    ClickItem(*dialog.LayoutGroup, 2);
    EXPECT_TRUE(log.empty()) << "clicking the chosen layout does nothing";
    EXPECT_EQ(settings.WindowSizeX, 150);

    ClickItem(*dialog.LayoutGroup, 1);
    EXPECT_EQ(settings.NewOrientation, -2);
    EXPECT_EQ(settings.WindowSizeX, 0);
    ClickItem(*dialog.LayoutGroup, 4);
    EXPECT_EQ(settings.NewOrientation, -5);
    EXPECT_EQ(log, (CallLog{"border single", "redraw", "border sizeable", "redraw"}));
    EXPECT_TRUE(connection.PanelDirty);
}

TEST_F(SetupDialogTest, ASoundValueNoItemStandsForLeavesTheGroupAndEnablesTest) {
    settings.RIPlaySound = 2;
    Open();
    EXPECT_EQ(dialog.RISoundGroup->ItemIndex(), 1);
    settings.RIPlaySound = 3;
    settings.RISound = "C:\\ring.wav";
    dialog.ChangeForm();
    EXPECT_EQ(dialog.RISoundGroup->ItemIndex(), 1);
    EXPECT_TRUE(dialog.SoundRITest->Enabled());
    EXPECT_EQ(dialog.LabelRISound->Caption(), "C:\\ring.wav");
    Of(*dialog.SoundRITest).Click();
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(settings.RIPlaySound, 3);
}

TEST_F(SetupDialogTest, ASoundChoiceEnablesItsTestPickerAndLabel) {
    Open();
    ClickItem(*dialog.ConnectSoundGroup, 0);
    EXPECT_EQ(settings.ConnectPlaySound, 1);
    EXPECT_TRUE(dialog.SoundConnectTest->Enabled());
    EXPECT_TRUE(dialog.SoundConnect->Enabled());
    EXPECT_TRUE(dialog.LabelConnectSound->Visible());

    Of(*dialog.SoundConnect).Click();
    dialogs.fileAnswer = "C:\\WINDOWS\\Media\\tada.wav";
    Of(*dialog.SoundConnect).Click();
    EXPECT_EQ(settings.ConnectSound, "C:\\WINDOWS\\Media\\tada.wav");
    EXPECT_EQ(dialog.LabelConnectSound->Caption(), "C:\\WINDOWS\\Media\\tada.wav");
    dialogs.fileAnswer.reset();
    Of(*dialog.SoundConnect).Click();
    Of(*dialog.SoundConnectTest).Click();
    EXPECT_EQ(
        log,
        (CallLog{"open dialog Sound files|*.wav|All files (*.*)|*.* at C:\\WINDOWS\\Media\\*.wav",
                 "open dialog Sound files|*.wav|All files (*.*)|*.* at C:\\WINDOWS\\Media\\*.wav",
                 "open dialog Sound files|*.wav|All files (*.*)|*.* at "
                 "C:\\WINDOWS\\Media\\tada.wav"}));
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"C:\\WINDOWS\\Media\\tada.wav"}));

    ClickItem(*dialog.ConnectSoundGroup, 1);
    EXPECT_EQ(settings.ConnectPlaySound, 2);
    EXPECT_FALSE(dialog.SoundConnect->Enabled());
    EXPECT_FALSE(dialog.LabelConnectSound->Visible());
    Of(*dialog.SoundConnectTest).Click();
    ClickItem(*dialog.ConnectSoundGroup, 2);
    EXPECT_EQ(settings.ConnectPlaySound, 0);
    EXPECT_FALSE(dialog.SoundConnectTest->Enabled());
    EXPECT_EQ(sounds.played.back(), "<beep>");
}

TEST_F(SetupDialogTest, TheInactivityWarningsSoundLabelShowsOnlyForAWaveFile) {
    settings.WarnInactivePlaySound = 2;
    Open();
    EXPECT_FALSE(dialog.LabelWarnInactiveSound->Visible());
    settings.WarnInactivePlaySound = 1;
    dialog.ChangeForm();
    EXPECT_TRUE(dialog.LabelWarnInactiveSound->Visible());
}

TEST_F(SetupDialogTest, AFontDialogsCancelGoesBackPastItsApply) {
    settings.PanelFont = {"Arial", 10};
    Open();
    dialogs.fontApplies = {{"Courier New", 12}};
    Of(*dialog.BitBtn17).Click();
    EXPECT_EQ(settings.PanelFont.face, "Arial");
    EXPECT_EQ(log, (CallLog{"font dialog Arial 10", "make fonts", "make fonts"}));

    connection.PanelDirty = false;
    dialogs.fontApplies.clear();
    dialogs.fontAnswer = FontSpec{"Verdana", 9, true};
    Of(*dialog.FontTitlebar).Click();
    EXPECT_EQ(settings.TitleBarFont.face, "Verdana");
    EXPECT_TRUE(settings.TitleBarFont.bold);
    EXPECT_TRUE(connection.PanelDirty);
}

TEST_F(SetupDialogTest, AColourButtonStoresOnlyWhatWasChosenAndPaintsItsSwatch) {
    settings.BackgroundColor = 0x123456;
    Open();
    connection.PanelDirty = connection.TitleDirty = false;
    Of(*dialog.Background).Click();
    EXPECT_EQ(settings.BackgroundColor, 0x123456u);
    EXPECT_TRUE(connection.PanelDirty && connection.TitleDirty);
    dialogs.colourAnswer = 0xABCDEF;
    Of(*dialog.Background).Click();
    EXPECT_EQ(settings.BackgroundColor, 0xABCDEFu);
    EXPECT_EQ(Of(*dialog.PaintBoxBackground).colour, 0xABCDEFu);
    EXPECT_EQ(log, (CallLog{"colour dialog 1193046", "colour dialog 1193046"}));

    Of(*dialog.BitBtnFontColor).Click();
    EXPECT_EQ(settings.TitleBarFont.colour, 0xABCDEFu);
    EXPECT_EQ(dialog.PaintBoxTitlebarFont->ShownColour(), 0xABCDEFu);
    EXPECT_EQ(log.back(), "make fonts");

    host.useCaptionFont = [this] { settings.FontTitlebarBackgroundColor = 0x800000; };
    Of(*dialog.BitBtnResetFont).Click();
    EXPECT_EQ(dialog.PaintBoxTitlebarBG->ShownColour(), 0x800000u);
}

TEST_F(SetupDialogTest, UseRegistryChecksTheStatisticsNameOnlyWhenSwitchedOn) {
    settings.DUNRegistry = 1;
    Open();
    EXPECT_TRUE(dialog.ComboBDeviceDesc->Enabled());
    EXPECT_TRUE(dialog.CBShowDUNIcon->Enabled());
    EXPECT_TRUE(log.empty());

    Of(*dialog.CBDunRegistry).Click();
    EXPECT_EQ(settings.DUNRegistry, 0);
    EXPECT_FALSE(dialog.ComboBDeviceDesc->Enabled());
    EXPECT_FALSE(dialog.CBShowDUNIcon->Enabled());
    Of(*dialog.CBDunRegistry).Click();
    EXPECT_EQ(settings.DUNRegistry, 1);
    EXPECT_TRUE(dialog.ComboBDeviceDesc->Enabled());
    EXPECT_EQ(log, (CallLog{"check statistics name"}));

    Of(*dialog.ComboBDeviceDesc).Type("Dial-Up Adapter #2");
    EXPECT_EQ(settings.DUNRegistryName, "Dial-Up Adapter #2");
}

TEST_F(SetupDialogTest, TheModemIconBoxIsEnabledByEitherDialUpMethod) {
    settings.RNAAPP = 1;
    Open();
    EXPECT_TRUE(dialog.CBShowDUNIcon->Enabled());
    Of(*dialog.CBRNAAPP).Click();
    EXPECT_EQ(settings.RNAAPP, 0);
    EXPECT_FALSE(dialog.CBShowDUNIcon->Enabled());

    sampling.DialerVersion = 2;
    settings.RunLights = 1;
    dialog.ChangeForm();
    EXPECT_FALSE(dialog.CBRNAAPP->Enabled());
    EXPECT_TRUE(dialog.CBShowDUNIcon->Checked());
    EXPECT_EQ(RemoteAccess().at("DialUI"), (RegistryValue{kRegistryBinary, {4, 0, 0, 0}}));
}

TEST_F(SetupDialogTest, TheLightsBoxesFollowTheInstalledLightsProgram) {
    settings.DUNLights = 1;
    Open();
    EXPECT_FALSE(dialog.CBDunLights->Enabled());
    EXPECT_FALSE(dialog.CBRunLights->Enabled());

    sampling.LightsInstalled = true;
    dialog.ChangeForm();
    EXPECT_TRUE(dialog.CBDunLights->Enabled());
    EXPECT_FALSE(dialog.CBRunLights->Enabled()) << "without LIGHTS!.EXE";
    host.lightsProgramFound = true;
    dialog.ChangeForm();
    EXPECT_TRUE(dialog.CBRunLights->Enabled());
    Of(*dialog.CBDunLights).Click();
    EXPECT_EQ(settings.DUNLights, 0);
    EXPECT_FALSE(dialog.CBRunLights->Enabled());
}

// A value of another type (a tweak tool writes a number) is reported and ends the refresh
// where it was met; the dialog opens all the same.
TEST_F(SetupDialogTest, ABadDialUiEndsTheRefreshWithARegistryError) {
    RemoteAccess()["DialUI"] = RegistryValue{4, {4, 0, 0, 0}};  // the system's number type
    settings.NewOrientation = 2;
    log.clear();
    form.Show();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         "error The registry value \"DialUI\" is not binary data"),
              1);
    EXPECT_EQ(dialog.LayoutGroup->ItemIndex(), -1);

    RemoteAccess()["DialUI"] = RegistryValue{kRegistryBinary, {0, 0, 0, 0}};
    dialog.ChangeForm();
    EXPECT_EQ(dialog.LayoutGroup->ItemIndex(), 1);
}

TEST_F(SetupDialogTest, TheStartupEntryIsWrittenAndDeletedAsTheBoxSays) {
    Open();
    EXPECT_FALSE(dialog.CBLoadWindows->Checked());
    Of(*dialog.CBLoadWindows).Click();
    EXPECT_EQ(ReadStartupEntry(system.registry, "C:\\PROGRA~1\\LINEWINK\\LINEWINK.EXE"), true);
    EXPECT_TRUE(dialog.CBLoadWindows->Checked());
    Of(*dialog.CBLoadWindows).Click();
    EXPECT_EQ(RunKey().count("LineWink"), 0u);
    EXPECT_EQ(log, (CallLog{"write LineWink", "delete LineWink"}));

    system.registry.keys.clear();
    Of(*dialog.CBLoadWindows).Click();
    dialog.ChangeForm();
    EXPECT_TRUE(dialog.CBLoadWindows->Checked()) << "without the key the box keeps its state";
}

TEST_F(SetupDialogTest, PickedDatesAndTimesKeepTheOtherHalf) {
    settings.ConnectResetLoggerEvent = 5;
    settings.ConnectResetLoggerTimeRef = EncodeDateTime({2024, 1, 1}, {12, 0, 0});
    Open();
    EXPECT_EQ(dialog.LabelNextReset->Caption(), "02.01.2024 12:00:00");
    EXPECT_TRUE(dialog.LabelNextReset1->Visible());

    Of(*dialog.ConnectResetDatePicker).Pick(EncodeDateTime({2024, 6, 3}, {8, 0, 0}));
    EXPECT_DOUBLE_EQ(settings.ConnectResetLoggerTimeRef, EncodeDateTime({2024, 6, 3}, {12, 0, 0}));
    EXPECT_EQ(dialog.LabelNextReset->Caption(), "04.06.2024 12:00:00");
    Of(*dialog.ConnectResetTimePicker).Pick(EncodeDateTime({1999, 9, 9}, {0, 0, 0}));
    EXPECT_EQ(dialog.LabelNextReset->Caption(), "04.06.2024");

    clock.now = EncodeDateTime({2024, 7, 1}, {9, 30, 0});
    Of(*dialog.ButtonNow).Click();
    EXPECT_DOUBLE_EQ(settings.ConnectResetLoggerTimeRef, clock.now);
    EXPECT_DOUBLE_EQ(Of(*dialog.ConnectResetDatePicker).value, clock.now);
    EXPECT_DOUBLE_EQ(Of(*dialog.ConnectResetTimePicker).value, clock.now);

    ClickItem(*dialog.RGAutoReset, 0);
    EXPECT_EQ(settings.ConnectResetLoggerEvent, 0);
    EXPECT_EQ(dialog.LabelNextReset->Caption(), "");
    EXPECT_FALSE(dialog.LabelNextReset1->Visible());
}

TEST_F(SetupDialogTest, TheScheduledDisconnectIsArmedHereAndClearedByTheTick) {
    Open();
    EXPECT_DOUBLE_EQ(Of(*dialog.AutoDisconnectDatePicker).value, clock.now)
        << "nothing scheduled yet shows now";
    EXPECT_DOUBLE_EQ(connection.ScheduledDisconnectAt, 0);
    Of(*dialog.AutoDisconnectTimePicker).Pick(EncodeDateTime({2000, 1, 1}, {23, 15, 0}));
    Of(*dialog.AutoDisconnectDatePicker).Pick(EncodeDate({2024, 1, 2}));
    EXPECT_DOUBLE_EQ(connection.ScheduledDisconnectAt, EncodeDateTime({2024, 1, 2}, {23, 15, 0}));
    Of(*dialog.CBAutoDisconnectActive).Click();
    EXPECT_TRUE(connection.ScheduledDisconnectArmed);

    connection.ScheduledDisconnectArmed = false;
    dialog.ClearScheduledDisconnect();
    EXPECT_FALSE(dialog.CBAutoDisconnectActive->Checked());
    EXPECT_EQ(Of(*dialog.CBAutoDisconnectActive).spec.look.textColour, 0x0000FFu);
    EXPECT_EQ(Of(*dialog.CBAutoDisconnectActive).spec.look.fontHeight, 16);
}

TEST_F(SetupDialogTest, TheTickWritesTheLiveLabels) {
    Open();
    dialog.ShowConnectTime("Total connect time   1:00:00   since 01.01.2024");
    EXPECT_EQ(dialog.LabelConnectTime->Caption(),
              "Total connect time   1:00:00   since 01.01.2024");
    dialog.ShowSessionTraffic(1200, 34000);
    EXPECT_EQ(dialog.LabelTD->Caption(), "Transmitted bytes: 1200");
    EXPECT_EQ(dialog.LabelRD->Caption(), "   Received bytes: 34000");
    dialog.ChangeForm();
    EXPECT_EQ(dialog.LabelTD->Caption(), "") << "no carrier, no traffic";
    sampling.Current.CD = 1;
    connection.SessionTransmitted = 5;
    connection.SessionReceived = 6;
    dialog.ChangeForm();
    EXPECT_EQ(dialog.LabelRD->Caption(), "   Received bytes: 6");
}

TEST_F(SetupDialogTest, TheTicksRefreshComesOnlyWhileTheDialogIsOpen) {
    settings.TimerInterval = 4;
    dialog.Refresh();
    EXPECT_EQ(dialog.SETimer->Text(), "0");
    EXPECT_FALSE(dialog.IsOpen());
    Open();
    settings.TimerInterval = 5;
    dialog.Refresh();
    EXPECT_EQ(dialog.SETimer->Text(), "5");
}

TEST_F(SetupDialogTest, ButtonsThatStartProgramsOrTalkToTheModem) {
    settings.DefaultPort = 2;
    settings.ModemInitString = "AT&F";
    Open();
    Of(*dialog.ButtonRunNOW).Click();
    Of(*dialog.ComboBDUNDesc).Type("My ISP");
    Of(*dialog.ButtonRunNOW).Click();
    Of(*dialog.ButtonModemSetup).Click();
    Of(*dialog.ButtonSendNOW).Click();
    EXPECT_EQ(log, (CallLog{"start RUNDLL.EXE rnaui.dll,RnaDial My ISP",
                            "start control.exe modem.cpl", "modem COM2 AT&F"}));
}

TEST_F(SetupDialogTest, ProgramPickersStartFromTheCurrentValue) {
    settings.EditorName = "C:\\TOOLS\\ED.EXE";
    Open();
    dialogs.fileAnswer = "C:\\Program Files\\Editor\\editor.exe";
    Of(*dialog.BrowseEditorName).Click();
    EXPECT_EQ(settings.EditorName, "C:\\Program Files\\Editor\\editor.exe");
    EXPECT_EQ(dialog.Editorname->Text(), settings.EditorName);
    dialogs.fileAnswer.reset();
    Of(*dialog.ButtonBrowseAutoRunProg).Click();
    EXPECT_EQ(log, (CallLog{"open dialog Executables (*.exe)|*.exe|All files (*.*)|*.* at "
                            "C:\\TOOLS\\ED.EXE",
                            "open dialog Executables (*.exe)|*.exe|All files (*.*)|*.* at "}));
}

TEST_F(SetupDialogTest, PortsAreDetectedAndTheListsTextHandedToThePortSwitch) {
    discovery.detected = {"COM3"};
    Open();
    Of(*dialog.ButtonDetectComPorts).Click();
    EXPECT_EQ(dialog.ComboBPorts->Items(), (std::vector<std::string>{"COM3"}));
    Of(*dialog.ComboBPorts).Type("com2");
    settings.DefaultPort = 0;
    dialog.ChangeForm();
    EXPECT_EQ(dialog.ComboBPorts->Text(), "");
    EXPECT_EQ(log, (CallLog{"detect ports", "port com2", "port "}));
}

TEST_F(SetupDialogTest, SwitchingInactivityRulesStartsTheirCountAfresh) {
    connection.WarnPromptOpen = connection.DisconnectPromptOpen = true;
    Open();
    Of(*dialog.CBWarnInactive).Click();
    EXPECT_EQ(settings.WarnIfInactive, 1);
    EXPECT_FALSE(connection.WarnPromptOpen);
    EXPECT_DOUBLE_EQ(connection.LastActivity, clock.now);
    Of(*dialog.CBDisconnectInactive).Click();
    EXPECT_FALSE(connection.DisconnectPromptOpen);
}

TEST_F(SetupDialogTest, FlagsAreStoredAsOneOrZero) {
    Open();
    for (TCheckBox* box :
         {dialog.CBAutoRun, dialog.CBDUNRun, dialog.WarnExit, dialog.CBAutoExit,
          dialog.AutoMaximize, dialog.CBRDAltDetect, dialog.CBNDPA, dialog.CBTriggerRD,
          dialog.CheckBoxLogRI, dialog.CheckBoxLogConnect, dialog.CBLogTotal,
          dialog.CBAutoTimedDisconnectActive, dialog.CBModemInit}) {
        Of(*box).Click();
    }
    for (std::int32_t flag :
         {settings.AutoRun, settings.DUNRunConnectoid, settings.WarnWhenExiting,
          settings.CDAutoExit, settings.AutoMaximize, settings.AlternativeMethodForRD,
          settings.NoDirectHardwareAccess, settings.TriggerRD, settings.LogRI, settings.LogDCD,
          settings.LogTotalBytes, settings.AutoTimedDisconnectActive, settings.InitModem}) {
        EXPECT_EQ(flag, 1);
    }
    Of(*dialog.NoLogo).Click();
    EXPECT_EQ(settings.ShowLogoAtStartup, 0);
    Of(*dialog.CBModemInit).Click();
    EXPECT_EQ(settings.InitModem, 0);
}

TEST_F(SetupDialogTest, OkAndCancelEndTheModalShowing) {
    Of(*dialog.Cancel).Click();
    EXPECT_EQ(form.GetModalResult(), ModalResult::Cancel);
    Of(*dialog.Ok).Click();
    EXPECT_EQ(form.GetModalResult(), ModalResult::Ok);
}

TEST_F(SetupDialogTest, ChangingThePageRefreshesIt) {
    Open();
    settings.CDAutoExitDelay = 77;
    Of(*dialog.Setup).ChooseTab(4);
    EXPECT_EQ(dialog.Setup->ActivePageIndex(), 4);
    EXPECT_TRUE(dialog.TabSheetShow->Visible());
    EXPECT_FALSE(dialog.TabSheetBasic->Visible());
    EXPECT_EQ(dialog.SEExitDelay->Text(), "77");
}

}  // namespace
}  // namespace lw
