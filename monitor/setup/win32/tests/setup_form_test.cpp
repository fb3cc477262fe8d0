// The settings dialog on real windows, driven by the messages a user's clicks and keys send:
// its frame and pages, the pixels of its swatches and "Activate!" boxes, the tick's rate, the
// sound choices, the logs on disk and the registry entries it writes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "monitor/core/tracking/connection_log_text.h"
#include "monitor/core/tracking/win32/connection_log_file.h"
#include "monitor/forms/win32/tests/application_test.h"
#include "monitor/forms/win32/tests/window_pictures.h"
#include "monitor/setup/system_entries.h"
#include "monitor/setup/tests/fakes/setup_fakes.h"
#include "monitor/setup/win32/setup_form.h"
#include "monitor/setup/win32/setup_system.h"
#include "monitor/setup/win32/tests/registry_keys.h"

namespace lw {
namespace {

using testing::CallLog;

// The real system, with the programs it would start noted instead.
class NotedStarts : public Win32SetupSystem {
  public:
    explicit NotedStarts(CallLog& log) : log_(log) {}
    void StartProgram(const std::string& commandLine) override {
        log_.push_back("start " + commandLine);
    }

  private:
    CallLog& log_;
};

HWND Hwnd(const TControl& control) {
    return reinterpret_cast<HWND>(control.Handle());
}

HWND Hwnd(const TVexSpinEdit& edit) {
    return reinterpret_cast<HWND>(edit.Handle());
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SetupFormTest : public testing::ApplicationTest {
  protected:
    void SetUp() override {
        ShowWindow(app.Handle(), SW_SHOWNA);
        settings.DefaultPort = 1;
    }
    void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

    // Shows the dialog as OpenSetup does (not modally); the log starts after its refresh.
    void Open() {
        form.Show();
        Pump();
        log.clear();
    }
    void Pump() { app.App().ProcessMessages(); }

    // A click on the tab, where the user would click.
    void ChoosePage(int index) {
        const HWND tabs = Hwnd(*Dialog().Setup);
        RECT tab;
        SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
        const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(tabs, WM_LBUTTONUP, 0, at);
        Pump();
    }
    void Click(const TControl& control) {
        SendMessageA(Hwnd(control), BM_CLICK, 0, 0);
        Pump();
    }
    void ClickItem(const TRadioGroup& group, int index) {
        SendMessageA(reinterpret_cast<HWND>(group.ItemHandle(index)), BM_CLICK, 0, 0);
        Pump();
    }
    // Keys typed into a spin edit that has the focus.
    void Type(const TVexSpinEdit& edit, const std::string& keys) {
        SetFocus(Hwnd(edit));
        for (char key : keys) {
            SendMessageA(Hwnd(edit), WM_CHAR, static_cast<unsigned char>(key), 0);
        }
        Pump();
    }
    static bool Checked(HWND button) {
        return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    TSetupDlg& Dialog() { return form.Dialog(); }

    CallLog log;
    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    testing::FakeHost host{log};
    testing::NotedBoxes boxes{log};
    testing::FakeDriverControl driver{log};
    testing::RecordingModem modem{log};
    NotedStarts system{log};
    testing::FakeCommonDialogs dialogs{log};
    testing::FakeDiscovery discovery{log};
    testing::RecordingSounds sounds;
    testing::FakeClock clock;
    testing::FixedDateFormat dates;
    SetupForm form{app, SetupServices{settings, sampling, connection, host, boxes, driver, modem,
                                      system, dialogs, discovery, sounds, clock, dates}};
};

TEST_F(SetupFormTest, AFixedCentredDialogCalledSetupWithTwelveTabsInRows) {
    Open();
    char caption[16] = {};
    GetWindowTextA(form.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Setup");
    const LONG_PTR style = GetWindowLongPtrA(form.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT bounds;
    GetWindowRect(form.Handle(), &bounds);
    EXPECT_NEAR((bounds.left + bounds.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((bounds.top + bounds.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    const HWND tabs = Hwnd(*Dialog().Setup);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 12);
    EXPECT_GE(SendMessageA(tabs, TCM_GETROWCOUNT, 0, 0), 2);
    char text[32] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, 9, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, " Connect Time Reset");

    // Every page's controls lie inside it, the button row below the pages.
    for (int i = 0; i < 12; ++i) {
        const HWND page = Hwnd(Dialog().Setup->Page(i));
        RECT room;
        GetClientRect(page, &room);
        RECT help;
        GetWindowRect(Hwnd(Dialog().HelpButton(i)), &help);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&help), 2);
        EXPECT_LE(help.bottom, room.bottom) << "page " << i;
        EXPECT_LE(help.right, room.right) << "page " << i;
    }
}

TEST_F(SetupFormTest, AClickedTabShowsItsPageRefreshed) {
    Open();
    EXPECT_TRUE(IsWindowVisible(Hwnd(*Dialog().CBLoadWindows)));
    settings.LogRI = 1;
    ChoosePage(7);
    EXPECT_EQ(Dialog().Setup->ActivePageIndex(), 7);
    EXPECT_FALSE(IsWindowVisible(Hwnd(*Dialog().CBLoadWindows)));
    EXPECT_TRUE(IsWindowVisible(Hwnd(*Dialog().CheckBoxLogRI)));
    EXPECT_TRUE(Checked(Hwnd(*Dialog().CheckBoxLogRI)));

    Click(Dialog().HelpButton(7));
    Click(*Dialog().BitBtn2);
    EXPECT_EQ(log, (CallLog{"help 18", "help 2"}));
}

TEST_F(SetupFormTest, EscCancelsTheDialogAndEnterTakesIt) {
    PostMessageA(Hwnd(*Dialog().CBLoadWindows), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(form.ShowModal(), ModalResult::Cancel);
    PostMessageA(Hwnd(*Dialog().CBLoadWindows), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(form.ShowModal(), ModalResult::Ok);
    PostMessageA(Hwnd(*Dialog().Cancel), BM_CLICK, 0, 0);
    EXPECT_EQ(form.ShowModal(), ModalResult::Cancel);
}

// 18 a second is every 56 ms, 16 every 62 ms (halves go to the even neighbour), 0 none.
TEST_F(SetupFormTest, TheRateTypedRetimesTheTickAtOnce) {
    Open();
    ChoosePage(2);
    Type(*Dialog().SETimer, "\b\b16");
    EXPECT_EQ(log.back(), "timer 62");
    Type(*Dialog().SETimer, "\b\b18");
    EXPECT_EQ(log.back(), "timer 56");
    Type(*Dialog().SETimer, "\b\b0");
    EXPECT_EQ(log.back(), "timer 0");
    EXPECT_EQ(settings.TimerInterval, 0);

    Type(*Dialog().SETimer, "99");
    EXPECT_EQ(settings.TimerInterval, 99);
    SetFocus(Hwnd(*Dialog().ButtonDetectComPorts));
    Pump();
    EXPECT_EQ(settings.TimerInterval, 18);
}

TEST_F(SetupFormTest, ARingSoundNoItemStandsForLeavesItsChoiceAndEnablesTest) {
    settings.RIPlaySound = 2;
    Open();
    ChoosePage(5);
    settings.RIPlaySound = 3;
    ChoosePage(6);
    ChoosePage(5);
    EXPECT_FALSE(Checked(reinterpret_cast<HWND>(Dialog().RISoundGroup->ItemHandle(0))));
    EXPECT_TRUE(Checked(reinterpret_cast<HWND>(Dialog().RISoundGroup->ItemHandle(1))));
    EXPECT_TRUE(IsWindowEnabled(Hwnd(*Dialog().SoundRITest)));
    Click(*Dialog().SoundRITest);
    EXPECT_TRUE(sounds.played.empty());

    ClickItem(*Dialog().RISoundGroup, 2);
    EXPECT_EQ(settings.RIPlaySound, 0);
    EXPECT_FALSE(IsWindowEnabled(Hwnd(*Dialog().SoundRITest)));
    EXPECT_FALSE(Checked(reinterpret_cast<HWND>(Dialog().RISoundGroup->ItemHandle(1))));
}

class SetupLogTest : public SetupFormTest {
  protected:
    void SetUp() override {
        SetupFormTest::SetUp();
        std::ofstream(ring, std::ios::binary) << "Call: 01.01.2024 10:00:00   Signals= 2\r\n";
    }
    void TearDown() override {
        DeleteFileA(ring.c_str());
        SetupFormTest::TearDown();
    }

    const std::string ring = LogFileBeside(system.ProgramPath(), "RI");
};

TEST_F(SetupLogTest, ADeleteAnsweredCancelLeavesTheLogAsItWasAndClosed) {
    Open();
    ChoosePage(7);
    boxes.answer = MessageAnswer::Cancel;
    Click(*Dialog().BitBtn19);
    EXPECT_EQ(log, (CallLog{"warning Delete RI Log file?"}));
    EXPECT_EQ(ReadFile(ring), "Call: 01.01.2024 10:00:00   Signals= 2\r\n");

    // Nobody holds the file: it opens for writing without sharing, and the tick appends.
    const HANDLE alone =
        CreateFileA(ring.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(alone, INVALID_HANDLE_VALUE);
    CloseHandle(alone);
    Win32LogFiles().Append(ring, "Call: 02.01.2024 11:00:00   Signals= 1\r\n");
    EXPECT_EQ(
        ReadFile(ring),
        "Call: 01.01.2024 10:00:00   Signals= 2\r\nCall: 02.01.2024 11:00:00   Signals= 1\r\n");

    boxes.answer = MessageAnswer::Ok;
    Click(*Dialog().BitBtn19);
    EXPECT_EQ(GetFileAttributesA(ring.c_str()), INVALID_FILE_ATTRIBUTES);
    Click(*Dialog().BitBtn19);
    EXPECT_EQ(log.back(), "error Can not find the log file LINEWINK.RI");
}

TEST_F(SetupLogTest, AMissingEditorIsReportedAndNothingStarts) {
    settings.EditorName = "C:\\nowhere\\editor.exe";
    settings.ModemLogName = ring;
    Open();
    ChoosePage(7);
    Click(*Dialog().BitBtn18);
    Click(*Dialog().BitBtn20);
    ChoosePage(11);
    Click(*Dialog().BtnModemLog);
    EXPECT_EQ(log, CallLog(3, "error Can not find editor for log files"));

    // An editor that is there gets the log's short path.
    settings.EditorName = system.ProgramPath();
    Click(*Dialog().BtnModemLog);
    EXPECT_EQ(log.back(),
              "start " + *system.ShortPath(system.ProgramPath()) + " " + *system.ShortPath(ring));
}

class SetupRegistryTest : public SetupFormTest {
  protected:
    void TearDown() override {
        testing::RemoveRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue);
        testing::RemoveRegistryValue(HKEY_CURRENT_USER, kRemoteAccessKey, kDialUiValue);
        SetupFormTest::TearDown();
    }
    static std::string RunEntry() {
        HKEY run = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE, &run) != ERROR_SUCCESS) {
            return "<no key>";
        }
        char value[MAX_PATH] = {};
        DWORD size = sizeof value;
        DWORD type = 0;
        const LONG read =
            RegQueryValueExA(run, kRunValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(run);
        return read == ERROR_SUCCESS && type == REG_SZ ? value : "<none>";
    }
};

TEST_F(SetupRegistryTest, TheStartupEntryIsTheProgramsShortPath) {
    HKEY run = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &run, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(run);
    Open();
    EXPECT_FALSE(Checked(Hwnd(*Dialog().CBLoadWindows)));
    Click(*Dialog().CBLoadWindows);
    const std::string shortPath = *system.ShortPath(system.ProgramPath());
    EXPECT_EQ(RunEntry(), shortPath);
    Click(*Dialog().CBLoadWindows);
    EXPECT_EQ(RunEntry(), "<none>");
}

TEST_F(SetupRegistryTest, TheModemIconBitIsWrittenBackWithTheOthers) {
    Open();
    ChoosePage(2);
    EXPECT_FALSE(IsWindowEnabled(Hwnd(*Dialog().CBShowDUNIcon))) << "no method that needs it";

    HKEY remote = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRemoteAccessKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &remote, nullptr),
              ERROR_SUCCESS);
    const BYTE before[4] = {0x21, 0, 0, 0x80};
    RegSetValueExA(remote, kDialUiValue, 0, REG_BINARY, before, sizeof before);
    Click(*Dialog().CBRNAAPP);
    EXPECT_TRUE(IsWindowEnabled(Hwnd(*Dialog().CBShowDUNIcon)));
    Click(*Dialog().CBShowDUNIcon);
    BYTE after[8] = {};
    DWORD type = 0;
    DWORD size = sizeof after;
    RegQueryValueExA(remote, kDialUiValue, nullptr, &type, after, &size);
    RegCloseKey(remote);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(std::vector<BYTE>(after, after + 4), (std::vector<BYTE>{0x25, 0, 0, 0x80}));
}

TEST_F(SetupFormTest, SwatchesAreFramedFieldsOfTheirColour) {
    settings.LightColorOn = RGB(0, 200, 0);
    Open();
    ChoosePage(3);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HWND swatch = Hwnd(*Dialog().PaintBoxLampOn);
    RECT inside;
    GetClientRect(swatch, &inside);
    const testing::Pixels pixels(swatch, false);
    EXPECT_EQ(pixels.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(pixels.At(inside.right - 1, inside.bottom / 2), RGB(0, 0, 0));
    EXPECT_EQ(pixels.At(1, 1), RGB(0, 200, 0));
    EXPECT_EQ(pixels.At(inside.right - 2, inside.bottom - 2), RGB(0, 200, 0));

    dialogs.colourAnswer = RGB(250, 0, 250);
    Click(*Dialog().LampOn);
    UpdateWindow(swatch);
    EXPECT_EQ(testing::Pixels(swatch, false).At(inside.right / 2, inside.bottom / 2),
              RGB(250, 0, 250));
}

TEST_F(SetupFormTest, TheActivateBoxesAreBoldAndRed) {
    Open();
    ChoosePage(10);
    const HWND box = Hwnd(*Dialog().CBAutoDisconnectActive);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, -16);

    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT area;
    GetClientRect(box, &area);
    const testing::Pixels pixels(box, false);
    int red = 0;
    for (int y = 0; y < area.bottom; ++y) {
        for (int x = 0; x < area.right; ++x) {
            red += pixels.At(x, y) == RGB(255, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 20);
}

TEST_F(SetupFormTest, PickersKeepTheOtherHalfOfTheDateTime) {
    connection.ScheduledDisconnectAt = EncodeDateTime({2024, 5, 6}, {22, 30, 0});
    Open();
    ChoosePage(10);
    const HWND datePicker = Hwnd(*Dialog().AutoDisconnectDatePicker);
    SYSTEMTIME picked = {};
    picked.wYear = 2025;
    picked.wMonth = 2;
    picked.wDay = 3;
    picked.wHour = 7;
    SendMessageA(datePicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&picked));
    NMDATETIMECHANGE change = {};
    change.nmhdr.hwndFrom = datePicker;
    change.nmhdr.idFrom = GetDlgCtrlID(datePicker);
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = picked;
    SendMessageA(GetParent(datePicker), WM_NOTIFY, change.nmhdr.idFrom,
                 reinterpret_cast<LPARAM>(&change));
    EXPECT_DOUBLE_EQ(connection.ScheduledDisconnectAt, EncodeDateTime({2025, 2, 3}, {22, 30, 0}));

    SYSTEMTIME shown = {};
    SendMessageA(Hwnd(*Dialog().AutoDisconnectTimePicker), DTM_GETSYSTEMTIME, 0,
                 reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown.wHour, 22);
    EXPECT_EQ(shown.wMinute, 30);
}

}  // namespace
}  // namespace lw
