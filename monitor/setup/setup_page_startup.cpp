// The pages "Startup && Exit" and "Window Properties".
#include <cstdlib>

#include "monitor/core/window/startup_values.h"
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/setup_values.h"
#include "monitor/setup/system_entries.h"

namespace lw {
namespace {

constexpr const char* kHelpHint = "Click here for HELP!";
constexpr const char* kDialCommand = "RUNDLL.EXE rnaui.dll,RnaDial ";

ControlRect Box(int left, int top, int width) {
    return ControlRect::Sized(left, top, width, 17);
}

ControlRect ButtonAt(int left, int top, int width = 80) {
    return ControlRect::Sized(left, top, width, 23);
}

}  // namespace

void TSetupDlg::BuildStartupPage() {
    TabSheetBasic = &AddPage("TabSheetBasic", "Startup && Exit", 5, kHelpHint);
    const ControlBuilder page = build_.On(*TabSheetBasic);

    page.Group("", "Startup", ControlRect::Sized(8, 4, 444, 150));
    const ControlBuilder startup = page.Within(8, 4);
    CBLoadWindows = &startup.CheckBox("CBLoadWindows", "Load with Windows", Box(10, 20, 200));
    NoLogo = &startup.CheckBox("NoLogo", "No Startup Logo", Box(230, 20, 200));
    CBAutoRun = &startup.CheckBox("CBAutoRun", "Run Application at Startup:", Box(10, 44, 300));
    editautorunprog = &startup.Edit("editautorunprog", ControlRect::Sized(28, 64, 314, 21));
    ButtonBrowseAutoRunProg =
        &startup.Button("ButtonBrowseAutoRunProg", "Browse...", ButtonAt(352, 63));
    CBDUNRun = &startup.CheckBox("CBDUNRun", "Run DUN Connectoid at Startup:", Box(10, 94, 300));
    ComboBDUNDesc = &startup.DropDown("ComboBDUNDesc", ControlRect::Sized(28, 114, 314, 21));
    ButtonRunNOW = &startup.Button("ButtonRunNOW", "Run NOW!", ButtonAt(352, 113));

    page.Group("", "Exit", ControlRect::Sized(8, 160, 444, 96));
    const ControlBuilder exit = page.Within(8, 160);
    WarnExit = &exit.CheckBox("WarnExit", "No Warning when exiting LineWink while Connected",
                              Box(10, 20, 420));
    CBAutoExit =
        &exit.CheckBox("CBAutoExit", "Auto Exit LineWink after Disconnect", Box(10, 42, 300));
    exit.Text("Delay [s]", 28, 68);
    SEExitDelay =
        &exit.SpinEdit(ControlRect::Sized(90, 64, 70, 21), 0, 10000, settings_.CDAutoExitDelay);

    CBLoadWindows->OnClick = NotifyEvent::Of<&TSetupDlg::CBLoadWindowsClick>(*this);
    NoLogo->OnClick = NotifyEvent::Of<&TSetupDlg::NoLogoClick>(*this);
    BindFlag(*CBAutoRun, settings_.AutoRun);
    BindText(*editautorunprog, settings_.AutoRunProgram);
    ButtonBrowseAutoRunProg->OnClick =
        NotifyEvent::Of<&TSetupDlg::ButtonBrowseAutoRunProgClick>(*this);
    BindFlag(*CBDUNRun, settings_.DUNRunConnectoid);
    BindText(*ComboBDUNDesc, settings_.DUNRunConnectoidName);
    ButtonRunNOW->OnClick = NotifyEvent::Of<&TSetupDlg::ButtonRunNOWClick>(*this);
    BindFlag(*WarnExit, settings_.WarnWhenExiting);
    BindFlag(*CBAutoExit, settings_.CDAutoExit);
}

void TSetupDlg::BuildWindowPage() {
    WindowTabSheet = &AddPage("WindowTabSheet", "Window Properties", 6, kHelpHint);
    const ControlBuilder page = build_.On(*WindowTabSheet);

    CBSystray = &page.CheckBox("CBSystray", "LineWink in the System Tray", Box(16, 14, 300));
    RadioGroupOnTop =
        &page.RadioGroup("RadioGroupOnTop", "Stay On Top", ControlRect::Sized(8, 42, 300, 92),
                         {"Always On Top", "Auto Detect       Delay:", "Normal"}, 1, 150,
                         ControlLook::WithHint("Sets Auto On Top behaviour"));
    SEAutoDetect =
        &page.SpinEdit(ControlRect::Sized(170, 78, 60, 21), 0, 1000, settings_.AutoDelayTitle);
    page.Text("seconds", 236, 82);
    AutoMaximize = &page.CheckBox("AutoMaximize", "Auto Maximize when Activity is Detected",
                                  Box(16, 146, 330));

    CBSystray->OnClick = NotifyEvent::Of<&TSetupDlg::CBSystrayClick>(*this);
    RadioGroupOnTop->OnClick = NotifyEvent::Of<&TSetupDlg::RadioGroupOnTopClick>(*this);
    BindFlag(*AutoMaximize, settings_.AutoMaximize);
}

void TSetupDlg::CBLoadWindowsClick(Component&) {
    WriteStartupEntry(services_.system.Keys(), CBLoadWindows->Checked(), ShortProgramPath());
}

void TSetupDlg::NoLogoClick(Component&) {
    settings_.ShowLogoAtStartup = NoLogo->Checked() ? 0 : 1;
}

void TSetupDlg::ButtonBrowseAutoRunProgClick(Component&) {
    if (const std::optional<std::string> chosen = PickProgram(settings_.AutoRunProgram)) {
        settings_.AutoRunProgram = *chosen;
    }
    editautorunprog->SetText(settings_.AutoRunProgram);
}

void TSetupDlg::ButtonRunNOWClick(Component&) {
    if (!settings_.DUNRunConnectoidName.empty()) {
        services_.system.StartProgram(kDialCommand + settings_.DUNRunConnectoidName);
    }
}

// Out of the tray the program is shown as a normal window again, no longer minimised.
void TSetupDlg::CBSystrayClick(Component&) {
    if (CBSystray->Checked()) {
        settings_.ShowTrayIcon = 1;
        host_.SetTrayIconActive(true);
        host_.UpdateTrayIcon();
    } else {
        settings_.ShowTrayIcon = 0;
        host_.SetTrayIconActive(false);
        host_.TrayShowApp();
        settings_.NewOrientation = std::abs(settings_.NewOrientation);
    }
    PanelChanged();
}

void TSetupDlg::RadioGroupOnTopClick(Component&) {
    settings_.OnTop = OneTwoZeroValue(RadioGroupOnTop->ItemIndex());
}

}  // namespace lw
