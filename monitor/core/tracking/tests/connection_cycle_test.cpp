// A whole dial-up connection as the user lives it: the modem dials, connects, carries some
// traffic, idles until the monitor warns, and hangs up when the user agrees. The real sampler
// reads the helper driver and the serial chip; the tick turns that into lamps, times, the log
// line, sounds and the warning.
#include <gtest/gtest.h>

#include "monitor/core/sampling/sampling_signals.h"
#include "monitor/core/sampling/tests/fakes/sampling_fakes.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/tracking/connection_tracker.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"

namespace lw {
namespace {

constexpr std::uint16_t kModemControl = 0x2FC;  // COM2
constexpr std::uint32_t kReady = 0x30;          // CTS and DSR
constexpr std::uint32_t kCarrier = 0xB0;        // CTS, DSR and CD

const std::string kDcd = "C:\\LW\\LINEWINK.DCD";

// A modem set to follow DTR: it hangs up as soon as DTR drops.
class Modem : public testing::FakeRegisters {
  public:
    explicit Modem(testing::FakeDriver& driver) : driver_(driver) {
        values[kModemControl] = 0x03;  // DTR and RTS
        driver_.answers[DriverCode::ModemStatus] = {kReady, 0};
    }
    void Write(std::uint16_t address, std::uint8_t value) override {
        FakeRegisters::Write(address, value);
        if (address == kModemControl && (value & 1) == 0) {
            driver_.answers[DriverCode::ModemStatus] = {kReady, 0};
        }
    }
    void Connect() { driver_.answers[DriverCode::ModemStatus] = {kCarrier, 0}; }

  private:
    testing::FakeDriver& driver_;
};

class ConnectionCycleTest : public ::testing::Test, protected testing::TickRig {
  protected:
    ConnectionCycleTest() {
        fakes.driver.watched = "COM2";
        settings.DefaultPort = 2;
        settings.RNAAPP = 0;
        settings.NewOrientation = 4;  // the modem layout shows DTR and RTS
        settings.DisplayConnectTime = 1;
        settings.LogDCD = 1;
        settings.LogTotalBytes = 1;
        settings.NegotiationDelay = 15;
        settings.TotalConnectNew = 1.0 / 24;  // an hour from earlier sessions
        settings.TotalConnectReset = clock.now;
        settings.ConnectPlaySound = 1;
        settings.ConnectSound = "connect.wav";
        settings.DisconnectPlaySound = 2;
        settings.WarnIfInactive = 1;
        settings.WarnTimeIfInactive = 2;
        settings.WarnTimeIfInactiveSeconds = 0;
        settings.WarnInactivePlaySound = 1;
        settings.WarnInactiveSound = "idle.wav";
        boxes.answer = MessageAnswer::Yes;
        connection.SessionStart = clock.now;
    }

    void Tick(double seconds = 1, std::uint32_t received = 0, std::uint32_t transmitted = 0) {
        fakes.driver.answers[DriverCode::Received] = {received, 0};
        fakes.driver.answers[DriverCode::Transmitted] = {transmitted, 0};
        clock.now += seconds * kOneSecond;
        clock.ticks += static_cast<std::uint32_t>(seconds * 1000);
        tracker.OnTick();
    }
    void TickFor(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            Tick();
        }
    }
    // The lit lamps, as the modem layout shows them.
    std::string Lamps() const {
        const LineState& l = sampling.Current;
        std::string lit;
        const std::pair<const char*, std::uint8_t> lamps[] = {
            {"CTS", l.CTS}, {"DSR", l.DSR}, {"CD", l.CD}, {"RI", l.RI},
            {"DTR", l.DTR}, {"RTS", l.RTS}, {"TD", l.TD}, {"RD", l.RD}};
        for (const auto& [name, on] : lamps) {
            if (on == 1) {
                lit += lit.empty() ? name : std::string(" ") + name;
            }
        }
        return lit;
    }

    testing::FakeSources fakes;
    Modem modem{fakes.driver};
    SignalSampler sampler{{fakes.driver, modem, fakes.lights, fakes.launcher, fakes.dialer,
                           fakes.statistics, fakes.commPorts, fakes.clock}};
    ConnectionTracker tracker{
        settings, sampling, connection, Services(sampler), {kDcd, "C:\\LW\\LINEWINK.RI"}};
};

TEST_F(ConnectionCycleTest, DialConnectIdleWarnAndHangUp) {
    Tick();
    EXPECT_EQ(Lamps(), "CTS DSR DTR RTS");
    Tick(1, 0, 20);  // the dial command
    EXPECT_EQ(Lamps(), "CTS DSR DTR RTS TD");

    modem.Connect();
    Tick();  // 12:00:03
    EXPECT_EQ(Lamps(), "CTS DSR CD DTR RTS");
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"connect.wav"}));
    Tick(1, 2000, 120);
    EXPECT_EQ(Lamps(), "CTS DSR CD DTR RTS TD RD");
    Tick(1, 1000, 80);  // the last traffic, at 12:00:05
    // From here the ticks fall half-way between whole seconds of the last traffic, so that no
    // limit falls on a tick.
    Tick(0.5);
    EXPECT_EQ(Lamps(), "CTS DSR CD DTR RTS");

    // The connect time shown in the panel is repainted every second.
    const int draws = window.draws;
    TickFor(10);
    EXPECT_EQ(window.draws, draws + 10);

    TickFor(16);  // 12:00:31.5
    EXPECT_TRUE(logs.files.empty());
    TickFor(2);
    EXPECT_EQ(logs.files[kDcd], "Connected: 01.01.2024 12:00:03");

    dialog.open = true;
    Tick();
    EXPECT_EQ(dialog.labels.back(),
              "Total connect time   1:00:46   since 01.01.2024 12:00:00");  // 31.5 s + 15 s

    TickFor(90);  // 12:02:04.5, two minutes less half a second since the last traffic
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(modem.writes.empty());
    Tick();
    EXPECT_EQ(boxes.shown,
              (std::vector<std::string>{"Your connection has been inactive for 2 minute(s) and 0 "
                                        "seconds(s). Do You want to disconnect?"}));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"topmost"}));
    using Write = std::pair<std::uint16_t, std::uint8_t>;
    EXPECT_EQ(modem.writes, (std::vector<Write>{{kModemControl, 0x02}, {kModemControl, 0x03}}));

    Tick();  // 12:02:06.5: the modem has hung up
    EXPECT_EQ(Lamps(), "CTS DSR DTR RTS");
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"connect.wav", "idle.wav", "<beep>"}));
    EXPECT_EQ(logs.files[kDcd],
              "Connected: 01.01.2024 12:00:03  Disconnected: 01.01.2024 12:02:06  Session Time = "
              "0:02:18  Total Time = 1:02:18  Sent: 200  Received: 3000 bytes\r\n");
    EXPECT_EQ(dialog.labels.back(), "Total connect time   1:02:18   since 01.01.2024 12:00:00");

    const int drawsAfter = window.draws;
    TickFor(180);
    EXPECT_EQ(window.draws, drawsAfter);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(sounds.played.size(), 3u);
    EXPECT_EQ(logs.appends, 2);
}

// The byte counts in the log are the session's own: a second connection without traffic
// logs none of the first one's bytes.
TEST_F(ConnectionCycleTest, EachConnectionLogsOnlyItsOwnBytes) {
    settings.WarnIfInactive = 0;
    modem.Connect();
    Tick();
    Tick(1, 3000, 200);
    TickFor(40);
    fakes.driver.answers[DriverCode::ModemStatus] = {kReady, 0};
    Tick();
    modem.Connect();
    TickFor(40);
    fakes.driver.answers[DriverCode::ModemStatus] = {kReady, 0};
    Tick();
    const std::string log = logs.files[kDcd];
    EXPECT_NE(log.find("Sent: 200  Received: 3000 bytes\r\n"), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("Sent: 0  Received: 0 bytes\r\n")) << log;
}

}  // namespace
}  // namespace lw
