#include "monitor/core/sampling/sampling_signals.h"

#include <gtest/gtest.h>

#include "monitor/core/sampling/lights_hand_over.h"
#include "monitor/core/sampling/tests/fakes/sampling_fakes.h"

namespace lw {
namespace {

class SamplingTest : public ::testing::Test {
  protected:
    SamplingTest() {
        settings.DefaultPort = 1;
        settings.RNAAPP = 0;
        sampling.DialerVersion = 1;
        sampling.LightsInstalled = true;
    }
    void Sample() { sampler.SampleLine(sampling, settings, connection); }
    std::string StatusText(std::string text = {}) {
        sampler.PortStatusText(sampling, settings, text);
        return text;
    }

    testing::FakeSources fakes;
    SignalSampler sampler{fakes.Sources()};
    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
};

TEST_F(SamplingTest, DriverStatusAndCountersOnlyForTheWatchedPort) {
    fakes.driver.answers[DriverCode::ModemStatus] = {0xB0, 0};  // CTS, DSR, CD
    fakes.driver.answers[DriverCode::Transmitted] = {100, 0};
    fakes.driver.answers[DriverCode::Received] = {40, 0};
    Sample();
    EXPECT_EQ(sampling.Current.CTS, 1);
    EXPECT_EQ(sampling.Current.DSR, 1);
    EXPECT_EQ(sampling.Current.RI, 0);
    EXPECT_EQ(sampling.Current.CD, 1);
    EXPECT_EQ(sampling.Current.Transmitted, 100);
    EXPECT_EQ(sampling.Current.Received, 40);
    EXPECT_EQ(connection.SessionTransmitted, 100);
    EXPECT_EQ(connection.TxWindowCount, 100);

    fakes.driver.watched = "COM2";
    Sample();
    EXPECT_EQ(sampling.Current.CTS + sampling.Current.DSR + sampling.Current.CD, 0);
    EXPECT_EQ(sampling.Current.Received, 0);
    EXPECT_EQ(sampling.Previous.CD, 1);
}

TEST_F(SamplingTest, AlternativeReceiveCountAndNegativeTotalsRaisedToZero) {
    settings.AlternativeMethodForRD = 1;
    fakes.driver.answers[DriverCode::ReceivedAlternative] = {7, 0};
    fakes.driver.answers[DriverCode::Transmitted] = {static_cast<std::uint32_t>(-5), 0};
    Sample();
    EXPECT_EQ(sampling.Current.Received, 7);
    EXPECT_EQ(sampling.Current.Transmitted, 0);
    EXPECT_EQ(sampling.Current.RD, 1);
    EXPECT_EQ(sampling.Current.TD, 0);
}

TEST_F(SamplingTest, LaterSourcesOverwriteEarlierOnesAndSkipTheDriver) {
    settings.DUNLights = 1;
    settings.RNAAPP = 1;
    settings.DUNRegistry = 1;
    fakes.driver.answers[DriverCode::ModemStatus] = {0x80, 0};
    fakes.driver.answers[DriverCode::Received] = {999, 0};
    sampling.LightsEvent = 3;
    sampling.LightsDevice = 4;
    fakes.lights.SetWord(12, 500);
    fakes.dialer.SetCounters(600, 700, 28800);
    fakes.statistics.counters = {1100, 1300, 33600};
    sampling.RegistryBaseReceived = 100;
    sampling.RegistryBaseTransmitted = 300;
    Sample();
    EXPECT_EQ(sampling.Current.Received, 1000);
    EXPECT_EQ(sampling.Current.Transmitted, 1000);
    EXPECT_EQ(sampling.SpeedText, "@ 33600 bps");

    settings.DUNRegistry = 0;
    Sample();
    EXPECT_EQ(sampling.Current.Received, 600);
    EXPECT_EQ(sampling.Current.ConnectSpeed, 28800);
}

TEST_F(SamplingTest, LightsReadsOnlyWhileTheConnectionLives) {
    settings.DUNLights = 1;
    fakes.driver.answers[DriverCode::ModemStatus] = {0x80, 0};
    sampling.LightsEvent = 3;
    sampling.LightsDevice = 4;
    sampling.LightsName = "My ISP";
    fakes.lights.SetWord(8, 28800);
    fakes.lights.SetWord(12, 250);
    fakes.lights.SetWord(16, 125);
    Sample();
    EXPECT_EQ(fakes.lights.queriedDevice, 4u);
    EXPECT_EQ(sampling.Current.Received, 250);
    EXPECT_EQ(sampling.Current.Transmitted, 125);
    EXPECT_EQ(sampling.Current.ConnectSpeed, 0);
    EXPECT_EQ(sampling.SpeedText, " @ 28800 bps My ISP");

    fakes.lights.alive = false;
    Sample();
    EXPECT_EQ(sampling.Current.Received, 0);
    EXPECT_EQ(sampling.Current.RD, 0);
}

// While it is not running it is looked for once a second, not at each of the 18 ticks.
TEST_F(SamplingTest, AMissingDialerIsSearchedForOnceASecond) {
    settings.RNAAPP = 1;
    fakes.driver.open = false;
    fakes.dialer.present = false;
    fakes.clock.step = 0;
    for (int tick = 0; tick <= 36; ++tick) {
        Sample();
        fakes.clock.ticks += 56;
    }
    EXPECT_EQ(fakes.dialer.searches, 3);  // at 0, 1008 and 2016 ms
    fakes.dialer.present = true;
    fakes.clock.ticks += 1000;
    Sample();
    EXPECT_TRUE(sampling.DialerFound);
}

TEST_F(SamplingTest, DialerFoundLosesItsWindowAndIsSearchedAgain) {
    settings.RNAAPP = 1;
    fakes.driver.open = false;
    fakes.dialer.SetCounters(0x123456, 20, 14400);
    connection.SessionReceived = 77;
    Sample();
    EXPECT_TRUE(sampling.DialerFound);
    EXPECT_EQ(sampling.Current.Received, 0x123456);
    EXPECT_EQ(sampling.Current.CD, 1);
    EXPECT_EQ(connection.SessionReceived, 0x123456);
    Sample();
    EXPECT_EQ(fakes.dialer.searches, 1);

    fakes.dialer.present = false;
    Sample();
    EXPECT_FALSE(sampling.DialerFound);
    EXPECT_EQ(sampling.Current.CD, 0);
    Sample();
    EXPECT_EQ(fakes.dialer.searches, 2);

    sampling.DialerVersion = 2;
    fakes.dialer.present = true;
    Sample();
    EXPECT_EQ(fakes.dialer.searches, 2);
}

TEST_F(SamplingTest, DialerCountersCarryOnAcrossTheir24BitWrap) {
    settings.RNAAPP = 1;
    fakes.driver.open = false;
    fakes.dialer.SetCounters(0xFFFF00, 0x10, 0);
    Sample();
    fakes.dialer.SetCounters(0x000100, 0x10, 0);
    Sample();
    EXPECT_EQ(sampling.Current.Received, 0x1000100);
    EXPECT_EQ(sampling.Current.RD, 1);
    EXPECT_EQ(connection.SessionReceived, 0x1000100);
    fakes.dialer.SetCounters(0x000200, 0x08, 0);
    Sample();
    EXPECT_EQ(sampling.Current.Received, 0x1000200);
    EXPECT_EQ(sampling.Current.Transmitted, 0x08);
    EXPECT_EQ(sampling.Current.TD, 0);
}

// A failed read of the dial-up program's memory leaves zeros. Taken for a wrap, it put 16 MiB
// on the session for good and flashed the throughput.
TEST_F(SamplingTest, AZeroReadOfTheDialerIsNoReadingAndNoWrap) {
    constexpr std::uint32_t kMiB = 1 << 20;
    settings.RNAAPP = 1;
    fakes.driver.open = false;
    fakes.dialer.SetCounters(10 * kMiB, 300, 28800);
    Sample();
    fakes.dialer.block = {};
    Sample();
    EXPECT_EQ(sampling.Current.Received, static_cast<std::int32_t>(10 * kMiB));
    EXPECT_EQ(sampling.Current.Transmitted, 300);
    EXPECT_EQ(sampling.Current.CD, 1);
    EXPECT_EQ(sampling.Current.RD, 0);
    fakes.dialer.SetCounters(10 * kMiB + 1000, 300, 28800);
    Sample();
    EXPECT_EQ(sampling.Current.Received, static_cast<std::int32_t>(10 * kMiB + 1000));
    EXPECT_EQ(connection.SessionReceived, static_cast<std::int32_t>(10 * kMiB + 1000));
    EXPECT_EQ(connection.RxWindowCount, 10 * kMiB + 1000);

    // Only a counter near the top of its range wraps; one restarted lower is taken as it is.
    fakes.dialer.SetCounters(5 * kMiB, 300, 28800);
    Sample();
    EXPECT_EQ(sampling.Current.Received, static_cast<std::int32_t>(5 * kMiB));
}

TEST_F(SamplingTest, RegistryBaseWhileCarrierDownAndRestartBelowIt) {
    settings.DUNRegistry = 1;
    settings.DUNRegistryName = "Net";
    fakes.driver.answers[DriverCode::ModemStatus] = {0, 0};
    fakes.statistics.counters = {5000, 6000, 0};
    Sample();
    EXPECT_EQ(fakes.statistics.askedName, "Net");
    EXPECT_EQ(sampling.RegistryBaseReceived, 5000);
    EXPECT_EQ(sampling.Current.Received, 0);

    fakes.driver.answers[DriverCode::ModemStatus] = {0x80, 0};
    fakes.statistics.counters = {4000, 6100, 0};
    Sample();
    EXPECT_EQ(sampling.Current.Received, -1000);
    EXPECT_EQ(sampling.Current.RD, 0);
    EXPECT_EQ(sampling.Current.TD, 1);
    EXPECT_EQ(sampling.LastReceived, 0);
}

TEST_F(SamplingTest, HighSpeedOnlyForCourierAboveNineSixHundred) {
    settings.RNAAPP = 1;
    settings.NewOrientation = 5;
    fakes.dialer.SetCounters(1, 1, 9600);
    Sample();
    EXPECT_EQ(sampling.Current.HS, 0);
    EXPECT_EQ(sampling.SpeedText, "@ 9600 bps");
    fakes.dialer.SetCounters(2, 2, 14400);
    Sample();
    EXPECT_EQ(sampling.Current.HS, 1);
    settings.NewOrientation = -5;
    Sample();
    EXPECT_EQ(sampling.Current.HS, 0);
}

TEST_F(SamplingTest, RegisterReadsByLayoutAndDriverStatus) {
    fakes.registers.values[0x3FC] = 0x03;
    fakes.registers.values[0x3FE] = 0x40;
    settings.NewOrientation = 4;
    fakes.driver.watched = "COM3";
    Sample();
    EXPECT_EQ(sampling.Current.DTR, 1);
    EXPECT_EQ(sampling.Current.RTS, 1);
    EXPECT_EQ(sampling.Current.RI, 1);

    settings.NewOrientation = -4;
    fakes.driver.watched = "COM1";
    Sample();
    EXPECT_EQ(sampling.Current.DTR + sampling.Current.RTS + sampling.Current.RI, 0);

    settings.DefaultPort = 5;
    settings.NewOrientation = 4;
    Sample();
    EXPECT_TRUE(fakes.registers.writes.empty());
    EXPECT_EQ(sampling.Current.DTR, 0);
    settings.DefaultPort = 1;
    settings.NoDirectHardwareAccess = 1;
    Sample();
    EXPECT_EQ(sampling.Current.DTR, 0);
}

TEST(SamplingHandOverTest, ParsesNumbersAndNameWithBlanks) {
    const LightsHandOver a = ParseLightsHandOver("12 5678 My ISP");
    EXPECT_EQ(a.event, 12u);
    EXPECT_EQ(a.device, 5678u);
    EXPECT_EQ(a.name, "My ISP");
    const LightsHandOver b = ParseLightsHandOver("7x 9");
    EXPECT_EQ(b.event, 7u);
    EXPECT_EQ(b.device, 9u);
    EXPECT_EQ(b.name, "");
    EXPECT_EQ(ParseLightsHandOver("99999999999999999999999 1 n").event, UINTPTR_MAX);
}

TEST_F(SamplingTest, HandOverTakesOnlyKindOneAndRunsTheSystemLights) {
    sampler.OnLightsHandOver(sampling, settings, 2, "1 2 x");
    EXPECT_EQ(sampling.LightsEvent, 0u);
    settings.RunLights = 1;
    sampler.OnLightsHandOver(sampling, settings, 1, "12 5678 My ISP");
    EXPECT_EQ(sampling.LightsDevice, 5678u);
    EXPECT_EQ(sampling.LightsName, "My ISP");
    ASSERT_EQ(fakes.launcher.started.size(), 1u);
    EXPECT_EQ(fakes.launcher.started[0], "lights!.exe 12 5678 My ISP");
}

TEST_F(SamplingTest, PortStatusTextFromDriverOrPort) {
    fakes.driver.answers[DriverCode::BaudAndParity] = {57600, 0x100};
    fakes.driver.answers[DriverCode::DataAndStopBits] = {0x38, 0};
    sampling.Current.CD = 1;
    EXPECT_EQ(StatusText(), "8N1 57600");
    fakes.driver.answers[DriverCode::BaudAndParity] = {50000, 2};
    fakes.driver.answers[DriverCode::DataAndStopBits] = {7, 1};
    EXPECT_EQ(StatusText("Idle"), "Idle 7E1.5 57600");

    sampling.Current.CD = 0;
    fakes.driver.watched = "CO";
    EXPECT_EQ(StatusText(), "");

    fakes.driver.open = false;
    fakes.commPorts.answer = {0, 8, 0, 2};
    EXPECT_EQ(StatusText(), "8N2 ");
    EXPECT_EQ(fakes.commPorts.askedPort, 1);
}

// Each query opens the port; eighteen a second would keep refusing it to a starting dialler.
TEST_F(SamplingTest, WithoutTheDriverThePortIsAskedOnceASecond) {
    fakes.driver.open = false;
    fakes.commPorts.answer = {57600, 8, 0, 0};
    for (int tick = 0; tick < 18; ++tick) {  // 50 ms apart
        EXPECT_EQ(StatusText(), "8N1 57600");
    }
    EXPECT_EQ(fakes.commPorts.queries, 1);
    fakes.commPorts.answer = {9600, 7, 2, 0};
    for (int tick = 0; tick < 4; ++tick) {
        StatusText();
    }
    EXPECT_EQ(fakes.commPorts.queries, 2);
    EXPECT_EQ(StatusText(), "7E1 9600");
    settings.DefaultPort = 3;
    StatusText();
    EXPECT_EQ(fakes.commPorts.askedPort, 3);
}

TEST_F(SamplingTest, SpeedTextShownUpToItsLimit) {
    sampling.SpeedText = std::string(144, 'x');
    EXPECT_EQ(StatusText("a"), "a" + sampling.SpeedText);
    sampling.SpeedText += 'x';
    EXPECT_EQ(StatusText("a"), "a");
}

TEST_F(SamplingTest, HangUpDropsDtrForMoreThanASecond) {
    fakes.registers.values[0x2FC] = 0x0B;
    settings.DefaultPort = 2;
    sampler.HangUp(settings);
    ASSERT_EQ(fakes.registers.writes.size(), 2u);
    EXPECT_EQ(fakes.registers.writes[0], std::make_pair(std::uint16_t{0x2FC}, std::uint8_t{0x0A}));
    EXPECT_EQ(fakes.registers.writes[1].second, 0x0B);
    EXPECT_GT(fakes.clock.ticks, 1000u);

    fakes.registers.writes.clear();
    fakes.registers.access = false;
    sampler.HangUp(settings);
    settings.DefaultPort = 6;
    fakes.registers.access = true;
    sampler.HangUp(settings);
    EXPECT_TRUE(fakes.registers.writes.empty());
}

}  // namespace
}  // namespace lw
