// Takes pictures of the settings dialog for the documentation: each of its twelve pages, with
// settings a user might have made, as the whole window with its caption in a 24-bit bitmap.
//
//   setup_snapshots <folder>   writes page01.bmp .. page12.bmp there
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "monitor/forms/win32/application_window.h"
#include "monitor/forms/win32/tests/window_pictures.h"
#include "monitor/setup/system_entries.h"
#include "monitor/setup/tests/fakes/setup_fakes.h"
#include "monitor/setup/win32/setup_form.h"

namespace lw {
namespace {

// Settings of a user who has been through every page.
void FillIn(MonitorSettings& settings) {
    settings.DefaultPort = 2;
    settings.ShowLogoAtStartup = 0;
    settings.AutoRun = 1;
    settings.AutoRunProgram = "C:\\Program Files\\Mail\\mail.exe";
    settings.DUNRunConnectoid = 1;
    settings.DUNRunConnectoidName = "My Provider";
    settings.CDAutoExitDelay = 30;
    settings.ShowTrayIcon = 1;
    settings.OnTop = 2;
    settings.DUNRegistry = 1;
    settings.DUNRegistryName = "Dial-Up Adapter";
    settings.RNAAPP = 1;
    settings.NewOrientation = 4;
    settings.LampLook = 1;
    settings.StatusInDisplay = 1;
    settings.SPYSpeedInDisplay = 1;
    settings.DisplayConnectTime = 1;
    settings.RIPlaySound = 1;
    settings.RISound = "C:\\WINDOWS\\Media\\Ring.wav";
    settings.ConnectPlaySound = 2;
    settings.DisconnectPlaySound = 1;
    settings.DisconnectSound = "C:\\WINDOWS\\Media\\Chimes.wav";
    settings.WarnIfInactive = 1;
    settings.WarnTimeIfInactive = 10;
    settings.WarnInactivePlaySound = 2;
    settings.DisconnectIfInactive = 1;
    settings.DisconnectTimeIfInactive = 15;
    settings.LogRI = 1;
    settings.LogDCD = 1;
    settings.DCDInterval = 30;
    settings.LogTotalBytes = 1;
    settings.Title = 2;
    settings.OrientationTitle = 4;
    settings.LampLookTitle = 1;
    settings.DisplayConnectTimeInTitlebar = 1;
    settings.TitleBarFont = {"Tahoma", 8, true, false, false, false, 0xFFFFFF};
    settings.FontTitlebarBackgroundColor = 0x800000;
    settings.ConnectResetLoggerEvent = 3;
    settings.ConnectResetLoggerTimeRef = EncodeDateTime({2024, 1, 1}, {0, 0, 0});
    settings.AutoTimedDisconnectHours = 2;
    settings.InitModem = 1;
    settings.ModemInitString = "AT&F&C1&D2";
    settings.ModemLogName = "C:\\WINDOWS\\ModemLog_Standard Modem.txt";
    settings.EditorName = "C:\\WINDOWS\\NOTEPAD.EXE";
}

bool TakePictures(const std::string& folder) {
    Win32Application app("LineWink");
    ShowWindow(app.Handle(), SW_SHOWNA);
    testing::CallLog log;
    MonitorSettings settings;
    FillIn(settings);
    SamplingState sampling;
    sampling.LightsInstalled = true;
    sampling.Current.CD = 1;
    ConnectionState connection;
    connection.SessionTransmitted = 48'213;
    connection.SessionReceived = 1'520'884;
    testing::FakeHost host{log};
    testing::NotedBoxes boxes{log};
    testing::FakeDriverControl driver{log};
    testing::RecordingModem modem{log};
    testing::FakeSetupSystem system{log};
    system.registry.KeyAt(RegistryRoot::LocalMachine, kRunKey)[kRunValue] =
        StringValue(*system.ShortPath(system.ProgramPath()));
    system.registry.KeyAt(RegistryRoot::CurrentUser, kRemoteAccessKey);
    testing::FakeCommonDialogs dialogs{log};
    testing::FakeDiscovery discovery{log};
    discovery.ports = {"COM1", "COM2"};
    discovery.entries = {"My Provider", "Office"};
    discovery.devices = {"Dial-Up Adapter"};
    discovery.modemLogs = {settings.ModemLogName};
    testing::RecordingSounds sounds;
    testing::FakeClock clock;
    clock.now = EncodeDateTime({2024, 3, 14}, {20, 15, 0});
    testing::FixedDateFormat dates;
    SetupForm form(app, SetupServices{settings, sampling, connection, host, boxes, driver, modem,
                                      system, dialogs, discovery, sounds, clock, dates});
    form.Show();
    TSetupDlg& dialog = form.Dialog();
    dialog.ShowConnectTime("Total connect time   12:41:07   since 01.03.2024");

    bool saved = true;
    const HWND tabs = reinterpret_cast<HWND>(dialog.Setup->Handle());
    for (int page = 0; page < dialog.Setup->PageCount(); ++page) {
        RECT tab;
        SendMessageA(tabs, TCM_GETITEMRECT, page, reinterpret_cast<LPARAM>(&tab));
        const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(tabs, WM_LBUTTONUP, 0, at);
        SetFocus(reinterpret_cast<HWND>(dialog.Ok->Handle()));
        app.App().ProcessMessages();
        RedrawWindow(form.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(100);
        app.App().ProcessMessages();
        char name[16];
        std::snprintf(name, sizeof name, "\\page%02d.bmp", page + 1);
        saved =
            testing::SaveBitmapFile(testing::Pixels(form.Handle(), true), folder + name) && saved;
    }
    return saved;
}

}  // namespace
}  // namespace lw

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: setup_snapshots <folder>\n");
        return 2;
    }
    return lw::TakePictures(argv[1]) ? 0 : 1;
}
