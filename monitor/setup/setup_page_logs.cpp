// The pages "Loggings" and "Miscellaneous": the logs, the modem and the editor for the logs.
#include "monitor/setup/setup_dialog.h"

namespace lw {
namespace {

constexpr const char* kModemProperties = "control.exe modem.cpl";

ControlRect Box(int left, int top, int width) {
    return ControlRect::Sized(left, top, width, 17);
}

ControlRect ButtonAt(int left, int top, int width = 84) {
    return ControlRect::Sized(left, top, width, 23);
}

}  // namespace

void TSetupDlg::BuildLoggingsPage() {
    TabSheetLoggings = &AddPage("TabSheetLoggings", "Loggings", 18);
    const ControlBuilder page = build_.On(*TabSheetLoggings);

    GroupBoxLogRi =
        &page.Group("GroupBoxLogRi", "Log to LINEWINK.RI", ControlRect::Sized(8, 4, 444, 52));
    const ControlBuilder ring = page.Within(8, 4);
    CheckBoxLogRI =
        &ring.CheckBox("CheckBoxLogRI", "Log Incoming Calls (RI high)", Box(10, 22, 240));
    BitBtn18 = &ring.Button("BitBtn18", "Show Log", ButtonAt(270, 19, 80));
    BitBtn19 = &ring.Button("BitBtn19", "Delete Log", ButtonAt(356, 19, 80));

    GroupBoxLogDCD =
        &page.Group("GroupBoxLogDCD", "Log to LINEWINK.DCD", ControlRect::Sized(8, 62, 444, 172));
    const ControlBuilder connection = page.Within(8, 62);
    CheckBoxLogConnect = &connection.CheckBox(
        "CheckBoxLogConnect", "Log Connects (DCD high) && Connect Time", Box(10, 22, 256));
    BitBtn20 = &connection.Button("BitBtn20", "Show Log", ButtonAt(270, 19, 80));
    BitBtn21 = &connection.Button("BitBtn21", "Delete Log", ButtonAt(356, 19, 80));
    connection.Text("Connect Time before Entry in the Log [s]", 10, 54, 240);
    SECDUpTime =
        &connection.SpinEdit(ControlRect::Sized(256, 50, 64, 21), 0, 10000, settings_.DCDInterval);
    connection.Text("Negotiation Delay [s]", 10, 80, 240);
    SENegDelay = &connection.SpinEdit(ControlRect::Sized(256, 76, 64, 21), 0, 1000,
                                      settings_.NegotiationDelay);
    CBLogTotal = &connection.CheckBox("CBLogTotal", "Log Total # Transmitted Bytes to DCD Log",
                                      Box(10, 106, 420));
    LabelTD = &connection.Label("LabelTD", "", ControlRect::Sized(10, 138, 200, 15));
    LabelRD = &connection.Label("LabelRD", "", ControlRect::Sized(210, 138, 224, 15));

    BindFlag(*CheckBoxLogRI, settings_.LogRI);
    BitBtn18->OnClick = NotifyEvent::Of<&TSetupDlg::BitBtn18Click>(*this);
    BitBtn19->OnClick = NotifyEvent::Of<&TSetupDlg::BitBtn19Click>(*this);
    BindFlag(*CheckBoxLogConnect, settings_.LogDCD);
    BitBtn20->OnClick = NotifyEvent::Of<&TSetupDlg::BitBtn20Click>(*this);
    BitBtn21->OnClick = NotifyEvent::Of<&TSetupDlg::BitBtn21Click>(*this);
    BindFlag(*CBLogTotal, settings_.LogTotalBytes);
}

void TSetupDlg::BuildMiscPage() {
    MiscTabSheet = &AddPage("MiscTabSheet", "Miscellaneous", 15);
    const ControlBuilder page = build_.On(*MiscTabSheet);

    ButtonModemSetup =
        &page.Button("ButtonModemSetup", "Modem properties", ControlRect::Sized(8, 8, 124, 23));

    page.Group("", "Modem Init", ControlRect::Sized(8, 38, 444, 78));
    const ControlBuilder init = page.Within(8, 38);
    CBModemInit = &init.CheckBox("CBModemInit", "Modem init at startup", Box(10, 20, 240));
    init.Text("Modem init string:", 10, 48, 104);
    EditModemInitString = &init.Edit("EditModemInitString", ControlRect::Sized(116, 44, 226, 21));
    ButtonSendNOW = &init.Button("ButtonSendNOW", "Send NOW!", ButtonAt(350, 43));

    page.Group("", "Modem Log", ControlRect::Sized(8, 122, 444, 54));
    const ControlBuilder modemLog = page.Within(8, 122);
    CBModemLogName = &modemLog.DropDown("CBModemLogName", ControlRect::Sized(10, 22, 310, 21));
    BtnModemLog = &modemLog.Button("BtnModemLog", "Show modem log", ButtonAt(328, 21, 106));

    page.Group("", "Edit for Logfiles", ControlRect::Sized(8, 182, 444, 54));
    const ControlBuilder editor = page.Within(8, 182);
    Editorname = &editor.Edit("Editorname", ControlRect::Sized(10, 22, 310, 21));
    BrowseEditorName = &editor.Button("BrowseEditorName", "Browse...", ButtonAt(328, 21, 106));

    ButtonModemSetup->OnClick = NotifyEvent::Of<&TSetupDlg::ButtonModemSetupClick>(*this);
    BindFlag(*CBModemInit, settings_.InitModem);
    BindText(*EditModemInitString, settings_.ModemInitString);
    ButtonSendNOW->OnClick = NotifyEvent::Of<&TSetupDlg::ButtonSendNOWClick>(*this);
    BindText(*CBModemLogName, settings_.ModemLogName);
    BtnModemLog->OnClick = NotifyEvent::Of<&TSetupDlg::BtnModemLogClick>(*this);
    BindText(*Editorname, settings_.EditorName);
    BrowseEditorName->OnClick = NotifyEvent::Of<&TSetupDlg::BrowseEditorNameClick>(*this);
}

void TSetupDlg::BitBtn18Click(Component&) {
    logs_.ShowLog(MonitorLog::Ring);
}

void TSetupDlg::BitBtn19Click(Component&) {
    logs_.DeleteLog(MonitorLog::Ring);
}

void TSetupDlg::BitBtn20Click(Component&) {
    logs_.ShowLog(MonitorLog::Connection);
}

void TSetupDlg::BitBtn21Click(Component&) {
    logs_.DeleteLog(MonitorLog::Connection);
}

void TSetupDlg::ButtonModemSetupClick(Component&) {
    services_.system.StartProgram(kModemProperties);
}

void TSetupDlg::ButtonSendNOWClick(Component&) {
    services_.modem.Exchange(settings_.DefaultPort, settings_.ModemInitString);
}

void TSetupDlg::BtnModemLogClick(Component&) {
    logs_.ShowModemLog();
}

void TSetupDlg::BrowseEditorNameClick(Component&) {
    if (const std::optional<std::string> chosen = PickProgram(settings_.EditorName)) {
        settings_.EditorName = *chosen;
    }
    Editorname->SetText(settings_.EditorName);
}

}  // namespace lw
