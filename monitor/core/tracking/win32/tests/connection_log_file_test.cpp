// The log files through the real file calls and the system's date and time formats.
#include "monitor/core/tracking/win32/connection_log_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/settings/win32/tests/file_text.h"
#include "monitor/core/tracking/connection_log_text.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"
#include "monitor/core/tracking/win32/connection_log_dates.h"

namespace lw {
namespace {

using testing::ReadFileText;
using testing::WriteFileText;

class LogFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        directory = std::string(temp) + "lwlog" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(directory.c_str(), nullptr);
        path = directory + "\\LINEWINK.DCD";
    }
    void TearDown() override {
        DeleteFileA(path.c_str());
        RemoveDirectoryA(directory.c_str());
    }

    std::string directory;
    std::string path;
    Win32LogFiles files;
};

TEST_F(LogFileTest, AppendingCreatesAMissingFileAndThenAddsToIt) {
    files.Append(path, "Connected: 1\r\n");
    files.Append(path, "Call: 2");
    EXPECT_EQ(ReadFileText(path), "Connected: 1\r\nCall: 2");
}

TEST_F(LogFileTest, TheLastLineIsTheLastOneReadToTheEnd) {
    EXPECT_EQ(files.ReadLastLine(path), std::nullopt);
    const struct {
        std::string text;
        std::string last;
    } cases[] = {
        {"", ""},
        {"first\r\nsecond\r\n", "second"},
        {"first\r\nConnected: 01.01.2024", "Connected: 01.01.2024"},
        {"first\r\n\r\n", ""},
        {std::string(5000, 'x') + "\r\n" + std::string(5000, 'y'), std::string(5000, 'y')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        WriteFileText(path, c.text);
        EXPECT_EQ(files.ReadLastLine(path), c.last);
    }
}

TEST_F(LogFileTest, FileErrorsAreReportedNotSwallowed) {
    EXPECT_THROW(files.Append(directory + "\\missing\\LINEWINK.RI", "x"), LogFileError);
    EXPECT_THROW(files.ReadLastLine(directory), LogFileError);
}

// A log held open without write sharing must come through untouched, not be created anew.
TEST_F(LogFileTest, ALockedLogIsNeitherAppendedToNorReplaced) {
    WriteFileText(path, "Connected: 1\r\n");
    const HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_THROW(files.Append(path, "Call: 2"), LogFileError);
    CloseHandle(holder);
    EXPECT_EQ(ReadFileText(path), "Connected: 1\r\n");
}

TEST_F(LogFileTest, TheLogsLieBesideTheProgramInShortForm) {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    char shortProgram[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(program, shortProgram, MAX_PATH), 0u);
    const std::string stem(shortProgram, std::strlen(shortProgram) - 3);
    const LogFileNames names = ProgramLogFileNames();
    EXPECT_EQ(names.connections, stem + "DCD");
    EXPECT_EQ(names.rings, stem + "RI");
}

// Sets the user's date and time formats for one test and puts the old ones back.
class UserFormats {
  public:
    UserFormats(const char* shortDate, const char* longTime) {
        Swap(LOCALE_SSHORTDATE, shortDate, oldDate_);
        Swap(LOCALE_STIMEFORMAT, longTime, oldTime_);
    }
    ~UserFormats() {
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, oldDate_);
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, oldTime_);
    }
    UserFormats(const UserFormats&) = delete;
    UserFormats& operator=(const UserFormats&) = delete;

  private:
    static void Swap(LCTYPE type, const char* value, char (&old)[80]) {
        GetLocaleInfoA(LOCALE_USER_DEFAULT, type, old, sizeof old);
        SetLocaleInfoA(LOCALE_USER_DEFAULT, type, value);
    }
    char oldDate_[80] = {};
    char oldTime_[80] = {};
};

TEST_F(LogFileTest, TimesUseTheSystemsShortDateAndLongTime) {
    UserFormats formats("dd.MM.yyyy", "HH:mm:ss");
    const SystemDateTimeFormat dates;
    const DayCount leapDay = EncodeDate({2024, 2, 29});
    EXPECT_EQ(FormatLogTime(dates, leapDay + EncodeTime({13, 5, 9})), "29.02.2024 13:05:09");
    EXPECT_EQ(FormatLogTime(dates, leapDay), "29.02.2024");
    UserFormats other("M/d/yy", "h:mm:ss tt");
    EXPECT_EQ(FormatLogTime(dates, leapDay + EncodeTime({13, 5, 9})), "2/29/24 1:05:09 PM");
}

// A whole connection after a crash, written by the tick through the real files.
TEST_F(LogFileTest, TheTickWritesTheConnectionLine) {
    UserFormats formats("dd.MM.yyyy", "HH:mm:ss");
    WriteFileText(path, "Connected: 31.12.2023 23:00:00");
    MonitorSettings settings;
    settings.DefaultPort = 1;
    settings.LogDCD = 1;
    settings.NegotiationDelay = 20;
    SamplingState sampling;
    ConnectionState connection;
    testing::FakeClock clock;
    testing::ScriptedSampler sampler;
    testing::RecordingSounds sounds;
    testing::ScriptedBoxes boxes;
    SystemDateTimeFormat dates;
    testing::RecordingWindow window(connection);
    NoSetupDialog dialog;
    ConnectionTracker tracker(settings, sampling, connection,
                              {clock, sampler, sounds, boxes, files, dates, window, dialog},
                              {path, directory + "\\LINEWINK.RI"});
    sampler.next.CD = 1;
    for (int second = 0; second <= 60; ++second) {
        sampler.next.CD = second < 60 ? 1 : 0;
        tracker.OnTick();
        clock.now += kOneSecond;
    }
    EXPECT_EQ(ReadFileText(path),
              "Connected: 31.12.2023 23:00:00\r\n"
              "Connected: 01.01.2024 12:00:00  Disconnected: 01.01.2024 12:01:00  "
              "Session Time = 0:01:20  Total Time = 0:01:20\r\n");
}

}  // namespace
}  // namespace lw
