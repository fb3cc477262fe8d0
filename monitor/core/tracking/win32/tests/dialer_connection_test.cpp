// A connection seen through the dial-up program's window. The stand-in runs from the system
// directory as "RNAAPP.EXE" in a process of its own; the real sampler and tick turn its
// counters into lamps and into the connection and ring logs on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/core/sampling/sampling_signals.h"
#include "monitor/core/sampling/tests/fakes/sampling_fakes.h"
#include "monitor/core/sampling/win32/dialer_window.h"
#include "monitor/core/sampling/win32/driver_device.h"
#include "monitor/core/sampling/win32/lights_device.h"
#include "monitor/core/sampling/win32/registry_stats.h"
#include "monitor/core/sampling/win32/sampling_comm_port.h"
#include "monitor/core/sampling/win32/tests/dialer_stand_in.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/settings/win32/tests/file_text.h"
#include "monitor/core/tracking/connection_tracker.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"
#include "monitor/core/tracking/win32/connection_log_file.h"

namespace lw {
namespace {

using testing::ReadFileText;

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

std::string SystemDirectory() {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    return directory;
}

// The stand-in copied into the system directory as the dial-up program; removed at the end.
class InstalledDialer {
  public:
    InstalledDialer() : path_(SystemDirectory() + "\\RNAAPP.EXE") {
        const std::string built = ProgramDirectory() + "\\RNAAPP.exe";
        installed_ = CopyFileA(built.c_str(), path_.c_str(), FALSE) != FALSE;
    }
    ~InstalledDialer() {
        if (installed_) {
            DeleteFileA(path_.c_str());
        }
    }
    InstalledDialer(const InstalledDialer&) = delete;
    InstalledDialer& operator=(const InstalledDialer&) = delete;

    bool Installed() const { return installed_; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    bool installed_ = false;
};

// The running stand-in. It is closed, or else ended, however the test ends.
class RunningDialer {
  public:
    RunningDialer(const std::string& path, int speed) {
        std::string commandLine = "\"" + path + "\" " + std::to_string(speed);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
            processId_ = info.dwProcessId;
        }
    }
    ~RunningDialer() {
        if (!Close()) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
    }
    RunningDialer(const RunningDialer&) = delete;
    RunningDialer& operator=(const RunningDialer&) = delete;

    // Waits at most ten seconds for the stand-in's dialog; false when it did not appear.
    bool WaitForWindow() {
        for (int attempt = 0; attempt < 200 && window_ == nullptr; ++attempt) {
            if (process_ == nullptr || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
                return false;
            }
            const HWND window = FindWindowA("#32770", testing::kStandInTitle);
            DWORD owner = 0;
            if (window != nullptr && GetWindowThreadProcessId(window, &owner) != 0 &&
                owner == processId_) {
                window_ = window;
            } else {
                Sleep(50);
            }
        }
        return window_ != nullptr;
    }
    // Has the stand-in handle a message before returning; false when it did not within 5 s.
    bool Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(window_, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                                   &result) != 0;
    }

    // Closes the dialog as the user does; true once the program has ended (within 5 s).
    bool Close() {
        if (process_ == nullptr) {
            return true;
        }
        if (window_ != nullptr) {
            PostMessageA(window_, WM_CLOSE, 0, 0);
        }
        return WaitForSingleObject(process_, 5000) == WAIT_OBJECT_0;
    }

  private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// The two log files in a directory of their own, removed at the end.
class LogDirectory {
  public:
    LogDirectory() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        directory_ = std::string(temp) + "lwdial" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(directory_.c_str(), nullptr);
        names_ = {directory_ + "\\LINEWINK.DCD", directory_ + "\\LINEWINK.RI"};
    }
    ~LogDirectory() {
        DeleteFileA(names_.connections.c_str());
        DeleteFileA(names_.rings.c_str());
        RemoveDirectoryA(directory_.c_str());
    }
    LogDirectory(const LogDirectory&) = delete;
    LogDirectory& operator=(const LogDirectory&) = delete;

    const LogFileNames& Names() const { return names_; }

  private:
    std::string directory_;
    LogFileNames names_;
};

// The monitor with the dial-up window as the source of the connection. No helper driver is
// loaded, so the carrier comes from the window; the serial chip, which Wine does not give
// access to, is a stand-in that can ring.
class DialerConnectionTest : public ::testing::Test {
  protected:
    DialerConnectionTest() {
        settings.DefaultPort = 1;
        settings.NoVxd = 1;
        settings.RNAAPP = 1;
        settings.LogDCD = 1;
        settings.DCDInterval = 30;
        settings.LogRI = 1;
        settings.LogTotalBytes = 1;
        settings.NegotiationDelay = 5;
        settings.TotalConnectReset = clock.now;
        sampling.DialerVersion = 1;
        connection.SessionStart = clock.now;
    }

    // Ticks once a second until the clock shows `second` past 12:00.
    void TickUntil(int second) {
        while (clock.now < start + (second - 0.5) * kOneSecond) {
            clock.now += kOneSecond;
            clock.ticks += 1000;
            hangUpClock.ticks += 1000;  // the sampler looks for the dial-up program by it
            tracker.OnTick();
        }
    }
    void Ring(bool on) { chip.values[0x3FE] = on ? 0x40 : 0x00; }
    const LineState& Lamps() const { return sampling.Current; }

    InstalledDialer installed;
    LogDirectory logDirectory;
    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    testing::FakeClock clock;
    const DayCount start = clock.now;

    DriverDevice driver;
    testing::FakeRegisters chip;
    ConnectionDevice lights;
    WinExecLauncher launcher;
    DialerProcessWindow dialer;
    RegistryDialupStatistics statistics;
    CommStatePorts commPorts;
    testing::SteppingClock hangUpClock;
    SignalSampler sampler{
        {driver, chip, lights, launcher, dialer, statistics, commPorts, hangUpClock}};

    testing::RecordingSounds sounds;
    testing::ScriptedBoxes boxes;
    Win32LogFiles files;
    testing::FixedDateFormat dates;
    testing::RecordingWindow window{connection};
    NoSetupDialog dialog;
    ConnectionTracker tracker{settings,
                              sampling,
                              connection,
                              {clock, sampler, sounds, boxes, files, dates, window, dialog},
                              logDirectory.Names()};
};

TEST_F(DialerConnectionTest, RingsThenADialUpConnectionAreLogged) {
    ASSERT_TRUE(installed.Installed());
    const LogFileNames& logs = logDirectory.Names();

    // An unanswered call rings three times before the user dials out.
    for (const int ring : {1, 4, 7}) {
        TickUntil(ring - 1);
        Ring(true);
        TickUntil(ring);
        EXPECT_EQ(Lamps().RI, 1);
        Ring(false);
    }
    TickUntil(20);
    EXPECT_EQ(Lamps().CD, 0);
    EXPECT_EQ(ReadFileText(logs.rings), "Call: 01.01.2024 12:00:07   Signals= 3\r\n");

    RunningDialer dialUp(installed.Path(), 28800);
    ASSERT_TRUE(dialUp.WaitForWindow());
    TickUntil(21);
    EXPECT_EQ(Lamps().CD, 1);
    EXPECT_EQ(Lamps().RD, 0);
    EXPECT_EQ(sampling.SpeedText, "@ 28800 bps");

    ASSERT_TRUE(dialUp.Send(testing::kAddTraffic, 1500, 300));
    TickUntil(22);
    EXPECT_EQ(Lamps().RD, 1);
    EXPECT_EQ(Lamps().TD, 1);
    TickUntil(23);
    EXPECT_EQ(Lamps().RD + Lamps().TD, 0);
    EXPECT_EQ(Lamps().CD, 1);

    TickUntil(50);
    EXPECT_EQ(GetFileAttributesA(logs.connections.c_str()), INVALID_FILE_ATTRIBUTES);
    TickUntil(52);
    EXPECT_EQ(ReadFileText(logs.connections), "Connected: 01.01.2024 12:00:21");

    ASSERT_TRUE(dialUp.Send(testing::kAddTraffic, 2500, 700));
    TickUntil(80);
    ASSERT_TRUE(dialUp.Send(testing::kDrop));
    TickUntil(81);
    EXPECT_EQ(Lamps().CD, 0);
    EXPECT_EQ(sampling.SpeedText, "");
    TickUntil(90);
    EXPECT_EQ(Lamps().CD, 0);

    EXPECT_EQ(ReadFileText(logs.connections),
              "Connected: 01.01.2024 12:00:21  Disconnected: 01.01.2024 12:01:21  "
              "Session Time = 0:01:05  Total Time = 0:01:05  Sent: 1000  Received: 4000 bytes\r\n");
    EXPECT_EQ(ReadFileText(logs.rings), "Call: 01.01.2024 12:00:07   Signals= 3\r\n");
}

// Closing the dial-up dialog ends the connection; the next dial-up program is found anew.
TEST_F(DialerConnectionTest, EachRunOfTheDialUpProgramIsAConnectionOfItsOwn) {
    ASSERT_TRUE(installed.Installed());
    {
        RunningDialer dialUp(installed.Path(), 28800);
        ASSERT_TRUE(dialUp.WaitForWindow());
        TickUntil(1);
        EXPECT_EQ(Lamps().CD, 1);
        ASSERT_TRUE(dialUp.Send(testing::kAddTraffic, 100, 50));
        TickUntil(40);
        ASSERT_TRUE(dialUp.Close());
        TickUntil(41);
        EXPECT_EQ(Lamps().CD, 0);
    }
    TickUntil(49);
    EXPECT_EQ(Lamps().CD, 0);

    RunningDialer again(installed.Path(), 33600);
    ASSERT_TRUE(again.WaitForWindow());
    TickUntil(50);
    EXPECT_EQ(Lamps().CD, 1);
    EXPECT_EQ(sampling.SpeedText, "@ 33600 bps");
    ASSERT_TRUE(again.Send(testing::kAddTraffic, 10, 5));
    TickUntil(51);
    EXPECT_EQ(Lamps().RD, 1);
    TickUntil(90);
    ASSERT_TRUE(again.Close());
    TickUntil(91);
    EXPECT_EQ(Lamps().CD, 0);

    EXPECT_EQ(ReadFileText(logDirectory.Names().connections),
              "Connected: 01.01.2024 12:00:01  Disconnected: 01.01.2024 12:00:41  "
              "Session Time = 0:00:45  Total Time = 0:00:45  Sent: 50  Received: 100 bytes\r\n"
              "Connected: 01.01.2024 12:00:50  Disconnected: 01.01.2024 12:01:31  "
              "Session Time = 0:00:46  Total Time = 0:01:31  Sent: 5  Received: 10 bytes\r\n");
}

}  // namespace
}  // namespace lw
