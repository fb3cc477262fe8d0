// The modem initialisation exchange on a simulated line.
#include "monitor/serial/modem_init.h"

#include <gtest/gtest.h>

#include "monitor/serial/tests/serial_rig.h"

namespace lw {
namespace {

using Strings = std::vector<std::string>;

struct ExchangeRig : SerialRig {
    ExchangeRig() { LoadStoredProperties(com); }
};

TEST(ModemInit, StartUpAsksForItAndAnEmptyStringSkipsIt) {
    MonitorSettings settings;
    settings.InitModem = 1;
    EXPECT_FALSE(InitsModemAtStartup(settings));
    settings.ModemInitString = "ATZ";
    EXPECT_TRUE(InitsModemAtStartup(settings));
    settings.InitModem = 2;
    EXPECT_FALSE(InitsModemAtStartup(settings));

    ExchangeRig rig;
    RunModemInitExchange(rig.com, 3, "");
    EXPECT_TRUE(rig.device.opened.empty());
    EXPECT_TRUE(rig.device.writes.empty());
}

TEST(ModemInit, StoredPropertiesWaitTwoSecondsWithoutMarker) {
    ExchangeRig rig;
    EXPECT_EQ(rig.com.ResponseTime(), 2000);
    EXPECT_EQ(rig.com.Baud(), 9600);
    EXPECT_EQ(rig.com.Port(), 1);
    EXPECT_TRUE(rig.com.ShowErrors());
    EXPECT_EQ(rig.com.EndOfResponse(), "");
}

TEST(ModemInit, SendsTheStringWithCrLfAndReadsEchoThenAnswer) {
    ExchangeRig rig;
    rig.ArriveAt(40, "AT&F1\r\n");
    rig.ArriveAt(90, "OK\r\n");
    RunModemInitExchange(rig.com, 2, "AT&F1");
    EXPECT_EQ(rig.device.opened, Strings{"COM2"});
    EXPECT_EQ(rig.device.writes, Strings{"AT&F1\r\n"});
    EXPECT_EQ(rig.device.reads, (Strings{"AT&F1\r\n", "OK\r\n"}));
    EXPECT_FALSE(rig.com.Opened());
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_LT(rig.now, 200u);
}

// An echo and answer that arrive together are one reply; waiting for a second would only
// delay the program by a response time.
TEST(ModemInit, EchoAndAnswerInOneReadEndTheExchange) {
    ExchangeRig rig;
    rig.ArriveAt(20, "ATZ\rOK\r\n\n");
    RunModemInitExchange(rig.com, 1, "ATZ");
    EXPECT_EQ(rig.device.reads, Strings{"ATZ\rOK\r\n\n"});
    EXPECT_LT(rig.now, 100u);
    EXPECT_FALSE(rig.com.Opened());

    // The echo alone, line end included, is not yet the answer.
    ExchangeRig echoFirst;
    echoFirst.ArriveAt(20, "ATZ\r\n");
    echoFirst.ArriveAt(1500, "OK\r\n");
    RunModemInitExchange(echoFirst.com, 1, "ATZ");
    EXPECT_EQ(echoFirst.device.reads, (Strings{"ATZ\r\n", "OK\r\n"}));
}

// A modem without echo answers once; the exchange waits one response time for a second
// reply and then goes on without troubling the user.
TEST(ModemInit, AModemWithoutEchoCostsOneResponseTime) {
    ExchangeRig rig;
    rig.ArriveAt(20, "OK\r\n");
    RunModemInitExchange(rig.com, 1, "ATE0");
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_GE(rig.now, 2000u);
    EXPECT_LT(rig.now, 2100u);
    EXPECT_FALSE(rig.com.Opened());
}

TEST(ModemInit, ASilentModemIsReportedOnceAndRetryWaitsAgain) {
    ExchangeRig aborted;
    RunModemInitExchange(aborted.com, 1, "ATZ");
    EXPECT_EQ(aborted.BoxTexts(), Strings{"Timeout waiting for response."});
    EXPECT_FALSE(aborted.com.Opened());
    EXPECT_LT(aborted.now, 2100u);

    ExchangeRig retried;
    retried.boxes.answers = {MessageAnswer::Retry};
    retried.ArriveAt(3000, "ATZ\r\n");
    retried.ArriveAt(3100, "OK\r\n");
    RunModemInitExchange(retried.com, 1, "ATZ");
    EXPECT_EQ(retried.device.reads, (Strings{"ATZ\r\n", "OK\r\n"}));
    EXPECT_EQ(retried.boxes.shown.size(), 1u);

    ExchangeRig quiet;
    quiet.com.SetShowErrors(false);
    RunModemInitExchange(quiet.com, 1, "ATZ");
    EXPECT_TRUE(quiet.boxes.shown.empty());
    EXPECT_FALSE(quiet.com.Opened());
    EXPECT_LT(quiet.now, 2100u);
}

TEST(ModemInit, ARefusedSendIsTriedThreeTimesThenGivenUp) {
    ExchangeRig rig;
    rig.device.shortWrites = 5;
    RunModemInitExchange(rig.com, 1, "ATZ");
    EXPECT_EQ(rig.device.writes.size(), 3u);
    EXPECT_EQ(rig.loop.rounds, 0);
    EXPECT_FALSE(rig.com.Opened());

    ExchangeRig second;
    second.device.shortWrites = 2;
    second.ArriveAt(0, "ATZ\r\nOK\r\n");
    RunModemInitExchange(second.com, 1, "ATZ");
    EXPECT_EQ(second.device.writes.size(), 3u);
    EXPECT_EQ(second.device.reads.size(), 1u);
}

TEST(ModemInit, APortThatDoesNotOpenSkipsTheExchange) {
    ExchangeRig rig;
    rig.device.refusedOpens = 1;
    RunModemInitExchange(rig.com, 4, "ATZ");
    EXPECT_EQ(rig.BoxTexts(), Strings{"Error opening COM4: "});
    EXPECT_TRUE(rig.device.writes.empty());
}

// A second press of the button while the first exchange waits must not close its port.
TEST(ModemInit, AnExchangeStartedDuringAWaitDoesNothing) {
    ExchangeRig rig;
    rig.ArriveAt(100, "ATZ\r\nOK\r\n");
    rig.loop.whileWaiting = [&] {
        if (rig.now == 50) {
            RunModemInitExchange(rig.com, 2, "ATZ");
        }
    };
    RunModemInitExchange(rig.com, 1, "ATZ");
    EXPECT_EQ(rig.device.opened, Strings{"COM1"});
    EXPECT_EQ(rig.device.writes.size(), 1u);
    EXPECT_EQ(rig.device.reads, Strings{"ATZ\r\nOK\r\n"});
    EXPECT_TRUE(rig.boxes.shown.empty());
}

}  // namespace
}  // namespace lw
