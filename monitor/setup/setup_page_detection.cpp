// The page "Port Detection": the port, the sampling rate and the detection methods.
#include "monitor/core/window/startup_values.h"
#include "monitor/setup/driver_switch.h"
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/system_entries.h"

namespace lw {
namespace {

ControlRect Box(int left, int top, int width) {
    return ControlRect::Sized(left, top, width, 17);
}

}  // namespace

void TSetupDlg::BuildDetectionPage() {
    DetectionTabSheet = &AddPage("DetectionTabSheet", "Port Detection", 7);
    const ControlBuilder page = build_.On(*DetectionTabSheet);

    page.Text("Port to Monitor:", 12, 12);
    ComboBPorts = &page.DropDown("ComboBPorts", ControlRect::Sized(112, 8, 76, 21));
    SETimer = &page.SpinEdit(ControlRect::Sized(204, 8, 50, 21), 0, 18, settings_.TimerInterval);
    page.Text("times/second", 260, 12);
    ButtonDetectComPorts = &page.Button("ButtonDetectComPorts", "Detect Com Ports",
                                        ControlRect::Sized(346, 7, 104, 23));

    page.Group("", "Detection Methods (see HELP file for details)",
               ControlRect::Sized(8, 36, 444, 160));
    const ControlBuilder methods = page.Within(8, 36);
    CBDunLights = &methods.CheckBox("CBDunLights", "Use 'lights' (DUN1.0, TAPI)", Box(10, 20, 300));
    CBDunRegistry = &methods.CheckBox("CBDunRegistry", "Use Registry (DUN1.1, 1.2, 1.3, Win98)",
                                      Box(10, 42, 240));
    ComboBDeviceDesc = &methods.DropDown("ComboBDeviceDesc", ControlRect::Sized(254, 40, 180, 21));
    CBRNAAPP = &methods.CheckBox("CBRNAAPP", "Use 'rnaapp' (DUN1.1, 1.2, 1.3, OSR2, Win98)",
                                 Box(10, 66, 420));
    CBRDAltDetect = &methods.CheckBox("CBRDAltDetect", "Alternative method to detect 16 bit RD",
                                      Box(10, 88, 420));
    CBNoVxd = &methods.CheckBox("CBNoVxd", "Do not use device driver 'lnwink95.vxd' for detection",
                                Box(10, 110, 420));
    CBNDPA = &methods.CheckBox("CBNDPA", "No direct port access", Box(10, 132, 420));

    page.Group("", "Original Modem Icon", ControlRect::Sized(8, 200, 444, 64));
    const ControlBuilder icon = page.Within(8, 200);
    CBShowDUNIcon = &icon.CheckBox("CBShowDUNIcon", "Hide original modem icon in the system tray",
                                   Box(10, 20, 420));
    CBRunLights = &icon.CheckBox("CBRunLights", "Run original modem icon when using 'lights'",
                                 Box(10, 42, 420));
    CBShowDUNIcon->SetEnabled(false);
    CBRunLights->SetEnabled(false);

    ComboBPorts->OnChange = NotifyEvent::Of<&TSetupDlg::ComboBPortsChange>(*this);
    SETimer->OnChange = NotifyEvent::Of<&TSetupDlg::SETimerChange>(*this);
    ButtonDetectComPorts->OnClick = NotifyEvent::Of<&TSetupDlg::ButtonDetectComPortsClick>(*this);
    CBDunLights->OnClick = NotifyEvent::Of<&TSetupDlg::CBDunLightsClick>(*this);
    CBDunRegistry->OnClick = NotifyEvent::Of<&TSetupDlg::CBDunRegistryClick>(*this);
    BindText(*ComboBDeviceDesc, settings_.DUNRegistryName);
    CBRNAAPP->OnClick = NotifyEvent::Of<&TSetupDlg::CBRNAAPPClick>(*this);
    BindFlag(*CBRDAltDetect, settings_.AlternativeMethodForRD);
    CBNoVxd->OnClick = NotifyEvent::Of<&TSetupDlg::CBNoVxdClick>(*this);
    BindFlag(*CBNDPA, settings_.NoDirectHardwareAccess);
    CBShowDUNIcon->OnClick = NotifyEvent::Of<&TSetupDlg::CBShowDUNIconClick>(*this);
    BindFlag(*CBRunLights, settings_.RunLights);
}

void TSetupDlg::ComboBPortsChange(Component&) {
    services_.discovery.PortTextChanged(ComboBPorts->Text());
}

// The spin edit has stored the rate already; the tick follows it at once.
void TSetupDlg::SETimerChange(Component&) {
    host_.SetTimerInterval(TickIntervalMs(settings_.TimerInterval));
}

void TSetupDlg::ButtonDetectComPortsClick(Component&) {
    services_.discovery.DetectComPorts();
    ChangeForm();
}

void TSetupDlg::CBDunLightsClick(Component&) {
    const bool on = CBDunLights->Checked();
    settings_.DUNLights = on ? 1 : 0;
    CBRunLights->SetEnabled(on && host_.LightsProgramFound());
}

void TSetupDlg::CBDunRegistryClick(Component&) {
    if (CBDunRegistry->Checked()) {
        if (settings_.DUNRegistry == 0) {
            ComboBDeviceDesc->SetEnabled(true);
            services_.discovery.CheckStatisticsName();
        }
        settings_.DUNRegistry = 1;
        CBShowDUNIcon->SetEnabled(true);
    } else {
        settings_.DUNRegistry = 0;
        CBShowDUNIcon->SetEnabled(CBRNAAPP->Checked());
        ComboBDeviceDesc->SetEnabled(false);
    }
}

void TSetupDlg::CBRNAAPPClick(Component&) {
    if (CBRNAAPP->Checked()) {
        settings_.RNAAPP = 1;
        CBShowDUNIcon->SetEnabled(true);
    } else {
        settings_.RNAAPP = 0;
        CBShowDUNIcon->SetEnabled(CBDunRegistry->Checked());
    }
}

void TSetupDlg::CBNoVxdClick(Component&) {
    SwitchDriver(CBNoVxd->Checked(), settings_, services_.driver, services_.boxes);
}

void TSetupDlg::CBShowDUNIconClick(Component&) {
    WriteModemIconHidden(services_.system.Keys(), CBShowDUNIcon->Checked());
}

}  // namespace lw
