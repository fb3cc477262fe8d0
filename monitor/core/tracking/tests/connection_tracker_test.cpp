#include "monitor/core/tracking/connection_tracker.h"

#include <gtest/gtest.h>

#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"

namespace lw {
namespace {

using testing::FakeClock;

const std::string kDcd = "C:\\LW\\LINEWINK.DCD";
const std::string kRi = "C:\\LW\\LINEWINK.RI";

class TrackerTest : public ::testing::Test, protected testing::TickRig {
  protected:
    TrackerTest() {
        settings.DefaultPort = 2;
        settings.TotalConnectReset = clock.now;
        connection.SessionStart = clock.now;
    }

    void Advance(double seconds) {
        clock.now += seconds * kOneSecond;
        clock.ticks += static_cast<std::uint32_t>(seconds * 1000);
    }
    void Tick() { tracker.OnTick(); }
    // One tick every `step` seconds, the first one `step` from now.
    void RunFor(double seconds, double step = 1) {
        for (double t = step; t <= seconds + 1e-9; t += step) {
            Advance(step);
            Tick();
        }
    }
    void Carrier(bool up) { sampler.next.CD = up ? 1 : 0; }

    testing::ScriptedSampler sampler;
    ConnectionTracker tracker{settings, sampling, connection, Services(sampler), {kDcd, kRi}};
};

TEST_F(TrackerTest, NothingHappensWithoutAPort) {
    settings.DefaultPort = 0;
    Carrier(true);
    RunFor(5);
    EXPECT_EQ(sampler.samples, 0);
    EXPECT_EQ(window.draws, 0);
}

TEST_F(TrackerTest, CarrierEdgesTimeTheSessionAndPlayTheirSounds) {
    settings.ConnectPlaySound = 1;
    settings.ConnectSound = "up.wav";
    settings.DisconnectPlaySound = 2;
    settings.DisconnectSound = "down.wav";
    settings.NegotiationDelay = 20;
    settings.TotalConnectNew = 0.5;
    settings.Title = 2;
    sampling.LastReceived = 99;
    sampling.LightsDevice = 1234;
    Carrier(true);
    RunFor(1);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"up.wav"}));
    EXPECT_EQ(sampling.LastReceived, 0);
    EXPECT_DOUBLE_EQ(connection.SessionStart, clock.now);
    EXPECT_EQ(connection.LastActivity, clock.now);
    EXPECT_EQ(sampling.LightsDevice, 0u);

    sampling.SpeedText = "@ 28800 bps";
    RunFor(40);
    Carrier(false);
    RunFor(1);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"up.wav", "<beep>"}));
    EXPECT_EQ(sampling.SpeedText, "");
    EXPECT_EQ(connection.LastActivity, 0);
    EXPECT_NEAR(settings.TotalConnectNew, 0.5 + 61 * kOneSecond, 1e-9);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"remove title"}));

    tracker.ResetTotal();
    EXPECT_EQ(settings.TotalConnectNew, 0);
    EXPECT_EQ(settings.TotalConnectReset, clock.now);
}

TEST_F(TrackerTest, AConnectionShorterThanTheIntervalLeavesNoLogLine) {
    settings.LogDCD = 1;
    Carrier(true);
    RunFor(20);
    Carrier(false);
    RunFor(60);
    EXPECT_TRUE(logs.files.empty());
    EXPECT_EQ(logs.reads, 0);
    EXPECT_EQ(connection.DcdLogState, 0);
}

TEST_F(TrackerTest, TheLogLineCountsTheNegotiationDelayAndTheBytes) {
    settings.LogDCD = 1;
    settings.LogTotalBytes = 1;
    settings.NegotiationDelay = 20;
    sampler.next = {.CD = 1, .Received = 700, .Transmitted = 50};
    Tick();
    RunFor(29);
    EXPECT_TRUE(logs.files.empty());
    RunFor(2);
    EXPECT_EQ(logs.files[kDcd], "Connected: 01.01.2024 12:00:00");
    RunFor(28);
    Carrier(false);
    RunFor(1);
    EXPECT_EQ(logs.files[kDcd],
              "Connected: 01.01.2024 12:00:00  Disconnected: 01.01.2024 12:01:00  "
              "Session Time = 0:01:20  Total Time = 0:01:20  Sent: 50  Received: 700 bytes\r\n");
    EXPECT_EQ(logs.appends, 2);
}

TEST_F(TrackerTest, AnEntryCutShortIsClosedBeforeTheNextOne) {
    const std::string complete =
        "Connected: 31.12.2023 22:00:00  Disconnected: 31.12.2023 22:10:00  Session Time = "
        "0:10:00  Total Time = 0:10:00\r\n";
    const std::string crashed = "Connected: 31.12.2023 23:00:00";
    const struct {
        std::string before;
        std::string after;
    } cases[] = {
        {crashed, crashed + "\r\nConnected: 01.01.2024 12:00:00"},
        {complete, complete + "Connected: 01.01.2024 12:00:00"},
        {"", "\r\nConnected: 01.01.2024 12:00:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        connection = {};
        connection.SessionStart = clock.now;
        logs.files[kDcd] = c.before;
        settings.LogDCD = 1;
        settings.DCDInterval = 0;
        Carrier(true);
        tracker.ResetSession();
        Tick();
        Advance(0.5);
        Tick();
        EXPECT_EQ(logs.files[kDcd], c.after);
        Carrier(false);
        Tick();
        clock.now = 45'292.5;
    }
}

TEST_F(TrackerTest, ThreeRingsMakeOneCallLoggedTenSecondsAfterTheLast) {
    settings.LogRI = 1;
    settings.RIPlaySound = 2;
    for (double t = 0; t < 16; t += 0.5) {
        sampler.next.RI = (t == 0 || t == 3 || t == 6) ? 1 : 0;
        Tick();
        Advance(0.5);
    }
    EXPECT_TRUE(logs.files.empty());
    RunFor(1, 0.5);
    EXPECT_EQ(logs.files[kRi], "Call: 01.01.2024 12:00:06   Signals= 3\r\n");
    EXPECT_EQ(sounds.played, (std::vector<std::string>(3, "<beep>")));
    EXPECT_EQ(connection.RingCount, 0);
}

TEST_F(TrackerTest, ARingHeldForTwoSecondsSoundsOnce) {
    settings.RIPlaySound = 2;
    for (int ring = 0; ring < 2; ++ring) {
        sampler.next.RI = 1;
        RunFor(2, 1.0 / 18);
        sampler.next.RI = 0;
        RunFor(4, 1.0 / 18);
    }
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"<beep>", "<beep>"}));
}

TEST_F(TrackerTest, ALogThatCannotBeWrittenIsReportedOnce) {
    settings.LogRI = 1;
    logs.failWrites = true;
    sampler.next.RI = 1;
    Tick();
    sampler.next.RI = 0;
    RunFor(9);
    Advance(2);
    EXPECT_THROW(Tick(), LogFileError);
    EXPECT_NO_THROW(RunFor(20));
    EXPECT_EQ(logs.appends, 1);
}

TEST_F(TrackerTest, InactivityDisconnectReportsTheConfiguredTime) {
    settings.DisconnectIfInactive = 1;
    settings.DisconnectTimeIfInactive = 2;
    settings.DisconnectTimeIfInactiveSeconds = 5;
    Carrier(true);
    Tick();
    RunFor(124);
    EXPECT_TRUE(boxes.shown.empty());
    RunFor(3);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0],
              "Your connection has been inactive for 2 minute(s) and 5 seconds(s). Automatic "
              "disconnect performed!");
    EXPECT_EQ(sampler.hangUps, 1);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"topmost"}));
    EXPECT_FALSE(connection.DisconnectPromptOpen);
}

TEST_F(TrackerTest, OnlyReceivedTrafficCountsWithTriggerRd) {
    for (const int triggerRd : {1, 0}) {
        SCOPED_TRACE(triggerRd);
        settings.TriggerRD = triggerRd;
        settings.DisconnectIfInactive = 1;
        settings.DisconnectTimeIfInactive = 0;
        settings.DisconnectTimeIfInactiveSeconds = 30;
        sampler = {};
        sampler.next = {.CD = 1, .TD = 1};
        Tick();
        RunFor(40);
        EXPECT_EQ(sampler.hangUps, triggerRd == 1 ? 1 : 0);
        Carrier(false);
        Tick();
    }
}

TEST_F(TrackerTest, TheWarningAsksAndHangsUpOnYes) {
    settings.WarnIfInactive = 1;
    settings.WarnTimeIfInactive = 0;
    settings.WarnTimeIfInactiveSeconds = 40;
    settings.WarnInactivePlaySound = 1;
    settings.WarnInactiveSound = "idle.wav";
    for (const auto answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        boxes.answer = answer;
        sampler.hangUps = 0;
        boxes.shown.clear();
        Carrier(true);
        Tick();
        RunFor(41);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0],
                  "Your connection has been inactive for 0 minute(s) and 40 seconds(s). Do You "
                  "want to disconnect?");
        EXPECT_EQ(sampler.hangUps, answer == MessageAnswer::Yes ? 1 : 0);
        Carrier(false);
        Tick();
    }
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"idle.wav", "idle.wav"}));
}

// The timer keeps ticking inside a box: those ticks must not raise the same alert again.
TEST_F(TrackerTest, TicksInsideAnOpenBoxDoNotRepeatTheAlert) {
    for (const bool warn : {false, true}) {
        SCOPED_TRACE(warn);
        settings.DisconnectIfInactive = warn ? 0 : 1;
        settings.WarnIfInactive = warn ? 1 : 0;
        settings.DisconnectTimeIfInactive = settings.WarnTimeIfInactive = 0;
        settings.DisconnectTimeIfInactiveSeconds = settings.WarnTimeIfInactiveSeconds = 10;
        boxes.answer = MessageAnswer::No;
        boxes.shown.clear();
        sampler.hangUps = 0;
        int depth = 0;
        boxes.whileOpen = [&] {
            if (depth++ == 0) {
                RunFor(60);
            }
        };
        Carrier(true);
        Tick();
        RunFor(11);
        EXPECT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(sampler.hangUps, warn ? 0 : 1);
        EXPECT_FALSE(connection.DisconnectPromptOpen || connection.WarnPromptOpen);
        Carrier(false);
        Tick();
    }
}

TEST_F(TrackerTest, TimedDisconnectAfterThirtyHoursFiresOnce) {
    settings.AutoTimedDisconnectActive = 1;
    settings.AutoTimedDisconnectHours = 30;
    settings.AutoTimedDisconnectMinutes = 0;
    int depth = 0;
    boxes.whileOpen = [&] {
        if (depth++ == 0) {
            RunFor(5);
        }
    };
    Carrier(true);
    Tick();
    RunFor(29 * 3600, 600);
    Advance(3600 - 1);
    Tick();
    EXPECT_EQ(sampler.hangUps, 0);
    RunFor(2);
    EXPECT_EQ(sampler.hangUps, 1);
    EXPECT_EQ(boxes.shown, (std::vector<std::string>{"Automatic disconnect performed!"}));
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"<beep>"}));
    RunFor(60);
    EXPECT_EQ(sampler.hangUps, 1);
}

TEST_F(TrackerTest, ScheduledDisconnectFiresOnceAndDisarms) {
    settings.AutoTimedDisconnectActive = 1;
    settings.AutoTimedDisconnectHours = 0;
    settings.AutoTimedDisconnectMinutes = 1;
    connection.ScheduledDisconnectArmed = true;
    connection.ScheduledDisconnectAt = clock.now + 90 * kOneSecond;
    Carrier(true);
    Tick();
    RunFor(61);
    EXPECT_EQ(sampler.hangUps, 1);  // the timed one
    RunFor(30);
    EXPECT_EQ(sampler.hangUps, 2);
    EXPECT_FALSE(connection.ScheduledDisconnectArmed);
    EXPECT_EQ(dialog.cleared, 1);
    RunFor(30);
    EXPECT_EQ(sampler.hangUps, 2);
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(TrackerTest, AutomaticResetWaitsForTheCarrier) {
    settings.ConnectResetLoggerEvent = 5;                           // daily
    settings.ConnectResetLoggerTimeRef = clock.now - 1 + 6.0 / 24;  // yesterday 18:00
    settings.TotalConnectNew = 0.25;
    clock.now += 6.0 / 24 + 5 * kOneSecond;  // today 18:00:05
    RunFor(10);
    EXPECT_EQ(settings.TotalConnectNew, 0.25);
    EXPECT_EQ(dialog.refreshes, 0);
    Carrier(true);
    RunFor(1);
    EXPECT_EQ(settings.TotalConnectNew, 0);
    EXPECT_EQ(settings.TotalConnectReset, clock.now);
    EXPECT_EQ(connection.SessionStart, clock.now);
    EXPECT_NEAR(settings.ConnectResetLoggerTimeRef, 45'292.75, 1e-9);
    EXPECT_EQ(dialog.refreshes, 1);
    RunFor(60);
    EXPECT_EQ(dialog.refreshes, 1);
}

TEST_F(TrackerTest, AMissedResetFiresOnceAndKeepsItsTimeOfDay) {
    settings.ConnectResetLoggerEvent = 5;
    settings.ConnectResetLoggerTimeRef = clock.now - 10.5;  // ten days ago, midnight
    Carrier(true);
    RunFor(3);
    EXPECT_EQ(dialog.refreshes, 1);
    EXPECT_NEAR(settings.ConnectResetLoggerTimeRef, 45'292.0, 1e-9);
}

// Any real-number reader accepts such a reference; stepping a day at a time from it would hang
// the first connected tick (at -1E20 a day added changes nothing).
TEST_F(TrackerTest, ADamagedResetReferenceDoesNotHoldUpTheTick) {
    settings.ConnectResetLoggerEvent = 5;
    Carrier(true);
    settings.ConnectResetLoggerTimeRef = -1E20;
    RunFor(1);
    EXPECT_EQ(settings.ConnectResetLoggerTimeRef, clock.now);
    settings.ConnectResetLoggerTimeRef = -1E10;
    RunFor(1);
    EXPECT_EQ(settings.ConnectResetLoggerTimeRef, 45'292.0);  // today, at the reference's midnight
    settings.ConnectResetLoggerEvent = 3;  // monthly: stepped from the calendar's first day
    settings.ConnectResetLoggerTimeRef = -1E20;
    RunFor(1);
    EXPECT_EQ(settings.ConnectResetLoggerTimeRef, 45'292.0);  // 1 January 2024, 00:00
    RunFor(5);
    EXPECT_EQ(dialog.refreshes, 3);
}

TEST_F(TrackerTest, TheProgramLeavesAfterTheExitDelay) {
    settings.CDAutoExit = 1;
    settings.CDAutoExitDelay = 30;
    Carrier(true);
    RunFor(5);
    Carrier(false);
    RunFor(10);
    Carrier(true);
    RunFor(60);
    EXPECT_TRUE(window.calls.empty());

    Carrier(false);
    RunFor(30, 0.5);
    EXPECT_TRUE(window.calls.empty());
    RunFor(1, 0.5);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"release driver", "stop timer", "close"}));
    RunFor(10);
    EXPECT_EQ(window.calls.size(), 3u);
}

TEST_F(TrackerTest, BusyOnTopAndRestoreFollowTheTraffic) {
    settings.OnTop = 2;
    settings.AutoMaximize = 1;
    sampler.next = {.CD = 1, .RD = 1};
    RunFor(1);
    EXPECT_TRUE(connection.BusyOnTop);
    EXPECT_TRUE(connection.RestoreRequest);
    sampler.next.RD = 0;
    RunFor(59);
    EXPECT_TRUE(connection.BusyOnTop);
    EXPECT_FALSE(connection.RestoreRequest);
    RunFor(2);
    EXPECT_FALSE(connection.BusyOnTop);
}

TEST_F(TrackerTest, TheThroughputWindowClosesOnMultiplesOfItsLength) {
    settings.RDTDSpeedUpdate = 5;
    clock.ticks = 4'000;
    connection.RxWindowCount = 100;
    Tick();
    EXPECT_EQ(connection.RxWindowShown, 0);
    clock.ticks = 5'200;
    Tick();
    EXPECT_EQ(connection.RxWindowShown, 100);
    EXPECT_EQ(connection.RxWindowCount, 0);
    EXPECT_EQ(connection.WindowTick, 5'200u);
    connection.TxWindowCount = 7;
    clock.ticks = 5'900;
    Tick();
    EXPECT_EQ(connection.TxWindowShown, 0);
    clock.ticks = 10'000;
    Tick();
    EXPECT_EQ(connection.TxWindowShown, 7);
    EXPECT_EQ(connection.RxWindowShown, 0);
}

// Only a closing window whose counts differ from nothing asks for a drawing of its own.
TEST_F(TrackerTest, AClosingThroughputWindowWithTrafficIsDrawn) {
    settings.RDTDSpeedUpdate = 5;
    Tick();
    const int draws = window.draws;
    clock.ticks = 5'000;
    Tick();
    EXPECT_EQ(window.draws, draws);
    connection.RxWindowCount = 100;
    clock.ticks = 10'000;
    Tick();
    EXPECT_EQ(window.draws, draws + 1);
}

TEST_F(TrackerTest, ThePanelIsDrawnOnLampChangesAndDirtyText) {
    Tick();
    EXPECT_EQ(window.draws, 1);  // the first drawing
    RunFor(5);
    EXPECT_EQ(window.draws, 1);
    sampler.next.CTS = 1;
    RunFor(1);
    EXPECT_EQ(window.draws, 2);
    sampler.next.RTS = 1;
    RunFor(1);
    EXPECT_EQ(window.draws, 2);  // the small layout shows no control lines
    settings.NewOrientation = -4;
    sampler.next.RTS = 0;
    RunFor(1);
    EXPECT_EQ(window.draws, 3);
    connection.PanelDirty = true;  // minimised: the text waits
    RunFor(1);
    EXPECT_EQ(window.draws, 3);
    settings.NewOrientation = 4;
    RunFor(1);
    EXPECT_EQ(window.draws, 4);
    window.closing = true;
    sampler.next.DSR = 1;
    RunFor(1);
    EXPECT_EQ(window.draws, 4);
    EXPECT_EQ(window.invalidations, 5);
}

TEST_F(TrackerTest, ShownTimesAreRedrawnOncePerSecond) {
    Tick();
    settings.DisplayConnectTime = 1;
    RunFor(3, 0.25);
    EXPECT_EQ(window.draws, 1);  // no carrier, no time
    Carrier(true);
    RunFor(0.5, 0.25);
    const int before = window.draws;
    RunFor(3, 0.25);
    EXPECT_EQ(window.draws, before + 3);
}

// The title-bar time with "Title" = 1, and the throughput, show without a carrier too.
TEST_F(TrackerTest, TitleTimeAndThroughputAreRedrawnOncePerSecondWithoutCarrier) {
    Tick();
    settings.Title = 1;
    RunFor(3, 0.25);
    EXPECT_EQ(window.draws, 5);  // at once, then at each of the three new seconds
    settings.Title = 0;
    settings.SPYSpeedInDisplay = 1;
    settings.RDTDSpeedUpdate = 5;
    RunFor(3, 0.25);
    EXPECT_EQ(window.draws, 8);
    settings.RDTDSpeedUpdate = 0;
    RunFor(3, 0.25);
    EXPECT_EQ(window.draws, 8);
}

// A time shown in the title bar changes at each carrier edge, so its display is rebuilt.
TEST_F(TrackerTest, CarrierEdgesMarkTheTitleBarTimeStale) {
    settings.Title = 1;
    settings.DisplayConnectTimeInTitlebar = 1;
    Tick();
    RunFor(2);
    EXPECT_EQ(window.titleRebuilds, 1);  // the first drawing only
    Carrier(true);
    RunFor(2);
    EXPECT_EQ(window.titleRebuilds, 2);
    Carrier(false);
    RunFor(2);
    EXPECT_EQ(window.titleRebuilds, 3);
    settings.Title = 0;
    Carrier(true);
    RunFor(2);
    EXPECT_EQ(window.titleRebuilds, 3);
}

TEST_F(TrackerTest, TheDialogShowsTheRunningTotal) {
    dialog.open = true;
    settings.NegotiationDelay = 20;
    settings.TotalConnectNew = 1.0;
    Tick();
    EXPECT_EQ(dialog.labels.back(), "Total connect time   24:00:00   since 01.01.2024 12:00:00");
    Carrier(true);
    Tick();
    RunFor(40, 0.25);
    EXPECT_EQ(dialog.labels.size(), 42u);
    EXPECT_EQ(dialog.labels.back(), "Total connect time   24:01:00   since 01.01.2024 12:00:00");
}

TEST_F(TrackerTest, WithoutCarrierTheDialogLabelIsSetOnlyWhenItChanges) {
    dialog.open = true;
    RunFor(5, 0.25);
    EXPECT_EQ(dialog.labels.size(), 1u);
    tracker.ResetTotal();
    RunFor(1, 0.25);
    ASSERT_EQ(dialog.labels.size(), 2u);
    EXPECT_EQ(dialog.labels.back(), "Total connect time   0:00:00   since 01.01.2024 12:00:05");
    dialog.open = false;
    RunFor(1);
    dialog.open = true;
    RunFor(1);
    EXPECT_EQ(dialog.labels.size(), 3u);
}

TEST_F(TrackerTest, ThePortStatusIsKeptWhileDisplayed) {
    Tick();
    EXPECT_EQ(connection.PortStatus, "");
    settings.StatusInDisplay = 1;
    RunFor(2);
    EXPECT_EQ(connection.PortStatus, "8N1 57600");
}

}  // namespace
}  // namespace lw
