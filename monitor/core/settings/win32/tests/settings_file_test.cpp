// The settings store against the real profile functions, in the prefix's Windows directory.
#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/core/settings/settings_store.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/settings/win32/appearance.h"
#include "monitor/core/settings/win32/private_profile.h"
#include "monitor/core/settings/win32/tests/file_text.h"

namespace lw {
namespace {

std::string SettingsPath() {
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return std::string(directory) + "\\LINEWINK.INI";
}

using testing::ReadFileText;

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { RemoveFile(); }
    void TearDown() override { RemoveFile(); }

    void RemoveFile() {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        // Drop whatever the profile functions still cache of the file.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "LINEWINK.INI");
    }

    void WriteFileText(const std::string& text) {
        testing::WriteFileText(path, text);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "LINEWINK.INI");
    }

    // Start-up and exit as the program does them.
    MonitorSettings LoadAll(ProfileFile& file) {
        MonitorSettings settings;
        settings.DefaultPort = ReadDefaultPort(file);
        LoadPortSettings(settings, file, system, clock);
        return settings;
    }

    std::string path = SettingsPath();
    Win32Appearance system;
    testing::FakeClock clock;
};

// The hand-written file: awkward spellings, an off-screen position, a minimised orientation
// that is not a layout, style flags that are and are not 1.
const char kHandWritten[] =
    "[LineWinker: Main]\r\n"
    "Default Port=2\r\n"
    "EditorName=c:\\tools\\edit.exe\r\n"
    "\r\n"
    "[LineWinker on COM2]\r\n"
    "NewOrientation=-6\r\n"
    "TotalConnectNew=1.5e-1\r\n"
    "FontBold=1\r\n"
    "FontTitlebarItalic=7\r\n"
    "Font Style Titlebar=Courier New\r\n"
    "DCD Interval=0x1F\r\n"
    "Window Position X=5000\r\n"
    "Timer Interval=fast\r\n"
    "ModemInitString=AT&F E0 \r\n";

TEST_F(SettingsFileTest, HandWrittenFileLoadsAndSavesBackInTheFileFormat) {
    WriteFileText(kHandWritten);
    {
        PrivateProfile file;
        MonitorSettings s = LoadAll(file);
        EXPECT_EQ(s.DefaultPort, 2);
        EXPECT_EQ(s.EditorName, "c:\\tools\\edit.exe");
        EXPECT_EQ(s.NewOrientation, 3);
        EXPECT_DOUBLE_EQ(s.TotalConnectNew, 0.15);
        EXPECT_TRUE(s.PanelFont.bold);
        EXPECT_FALSE(s.TitleBarFont.italic);
        EXPECT_EQ(s.TitleBarFont.face, "Courier New");
        EXPECT_EQ(s.DCDInterval, 31);
        EXPECT_EQ(s.WindowPositionX, GetSystemMetrics(SM_CXSCREEN) / 2);
        EXPECT_EQ(s.TimerInterval, 18);
        EXPECT_EQ(s.ModemInitString, "AT&F E0");  // the profile functions trim the value
        s.PanelFont.underline = true;
        s.TitleBarFont.size = 9;
        WriteDefaultPort(file, s.DefaultPort);
        SavePortSettings(s, file);
    }
    // Existing keys keep their place, new ones follow in table order. The system's profile
    // writer drops the blank that stands for the sign of a positive real.
    const std::string captionText = std::to_string(GetSysColor(COLOR_CAPTIONTEXT));
    const std::string activeCaption = std::to_string(GetSysColor(COLOR_ACTIVECAPTION));
    const std::string y = std::to_string(GetSystemMetrics(SM_CYSCREEN) / 2);
    const std::string x = std::to_string(GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(
        ReadFileText(path),
        "[LineWinker: Main]\r\nDefault Port=2\r\nEditorName=c:\\tools\\edit.exe\r\n"
        "[LineWinker on COM2]\r\n"
        "NewOrientation=3\r\nTotalConnectNew=1.50000000000000E-0001\r\nFontBold=1\r\n"
        "FontTitlebarItalic=0\r\nFont Style Titlebar=Courier New\r\nDCD Interval=31\r\n"
        "Window Position X=" +
            x +
            "\r\nTimer Interval=18\r\nModemInitString=AT&F E0\r\n"
            "Auto Run=0\r\nAutoMaximize=0\r\nAutoTimedDisconnectActive=0\r\n"
            "AutoTimedDisconnectHours=1\r\nAutoTimedDisconnectMinutes=0\r\n"
            "BackgroundColor=12632256\r\nConnectResetLoggerEvent=0\r\nCD Auto Exit=0\r\n"
            "CD Auto Exit Delay=30\r\nLog DCD=0\r\nDisplay connect time=0\r\n"
            "Display connect time in Titlebar=0\r\nDisplay total connect time in Display=0\r\n"
            "Display total connect time in Titlebar=0\r\nDisconnect if Inactive=0\r\n"
            "Disconnect time if Inactive=1\r\nDisconnect time if Inactive, Seconds=0\r\n"
            "DUNLights=0\r\nDUNRegistry=0\r\nDUNRunConnectoid=0\r\nInitModem=0\r\n"
            "LampLook=1\r\nLampLookTitle=0\r\nLightColorOff=8553090\r\nLightColorOn=255\r\n"
            "RD/TD Speed Update=5\r\nFont Size SPY=10\r\nFont Color Titlebar=" +
            captionText +
            "\r\nFont Size Titlebar=9\r\nFontTitlebarBackgroundColor=" + activeCaption +
            "\r\nSPY Speed in Display=0\r\nNegotiation Delay=0\r\n"
            "No Direct Hardware Acesss=0\r\nNo Title Bar=0\r\nNoVxd=0\r\nOnTop=0\r\n"
            "Orientation Title=3\r\nConnectPlaySound=0\r\nDisconnectPlaySound=0\r\n"
            "RIPlaySound=0\r\nWarnInactivePlaySound=0\r\nWindow Position Y=" +
            y +
            "\r\n"
            "Alternative method for RD=0\r\nLog RI=0\r\nRNAAPP=-1\r\nRun Lights=0\r\n"
            "AutoDelay Title=60\r\nStatus in Display=0\r\nTextColor=0\r\nTitle=0\r\n"
            "TitleBar Offset=0\r\nTitleBar OffsetT=0\r\nLog total bytes=0\r\nShowTrayIcon=0\r\n"
            "Trigger RD=0\r\nWarn when Exiting=0\r\nWarn if Inactive=0\r\n"
            "Warn time if Inactive=1\r\nWarn time if Inactive, Seconds=0\r\nWindowSizeX=0\r\n"
            "FontItalic=0\r\nFontUnderline=1\r\nFontStrikeOut=0\r\nFontTitlebarBold=0\r\n"
            "FontTitlebarUnderline=0\r\nFontTitlebarStrikeOut=0\r\nAuto Run Program=\r\n"
            "ConnectResetLoggerTimeRef=0.00000000000000E+0000\r\nConnectSound=\r\n"
            "DisconnectSound=\r\nDUNRegistryName=\r\nDUNRunConnectoidName=\r\n"
            "Font Style SPY=Arial\r\nModemLogName=\r\nRISound=\r\n"
            "TotalConnectReset=4.52925000000000E+0004\r\nWarnInactiveSound=\r\n");
}

TEST_F(SettingsFileTest, MinimisedLayoutIsKeptAndSixIsWrittenAsThree) {
    WriteFileText(
        "[LineWinker: Main]\r\nDefault Port=3\r\n[LineWinker on COM3]\r\n"
        "NewOrientation=-4\r\n");
    PrivateProfile file;
    MonitorSettings s = LoadAll(file);
    EXPECT_EQ(s.NewOrientation, -4);
    SavePortSettings(s, file);
    EXPECT_EQ(file.ReadString("LineWinker on COM3", "NewOrientation", ""), "-4");
    s.NewOrientation = -6;
    SavePortSettings(s, file);
    EXPECT_EQ(file.ReadString("LineWinker on COM3", "NewOrientation", ""), "3");
}

TEST_F(SettingsFileTest, NoPortChosenWritesNoFileAtAll) {
    {
        PrivateProfile file;
        MonitorSettings s = LoadAll(file);
        ASSERT_EQ(s.DefaultPort, 0);
        s.EditorName = "notepad.exe";
        SavePortSettings(s, file);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsFileTest, EmptyTitleFontIsTheSystemsCaptionFont) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    WriteFileText("[LineWinker: Main]\r\nDefault Port=1\r\n");
    PrivateProfile file;
    const MonitorSettings s = LoadAll(file);
    EXPECT_EQ(s.TitleBarFont.face, metrics.lfCaptionFont.lfFaceName);
    EXPECT_FALSE(s.TitleBarFont.face.empty());
    EXPECT_GT(s.TitleBarFont.size, 0);
    EXPECT_EQ(s.TitleBarFont.bold, metrics.lfCaptionFont.lfWeight >= FW_BOLD);
    EXPECT_EQ(s.TitleBarFont.colour, GetSysColor(COLOR_CAPTIONTEXT));
    EXPECT_EQ(s.FontTitlebarBackgroundColor, GetSysColor(COLOR_ACTIVECAPTION));
}

TEST_F(SettingsFileTest, RefusedWriteIsReportedWithTheFileName) {
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));  // nothing can be written there
    PrivateProfile file;
    MonitorSettings s;
    s.DefaultPort = 1;
    try {
        SavePortSettings(s, file);
        ADD_FAILURE() << "no error raised";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to LINEWINK.INI");
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace
}  // namespace lw
