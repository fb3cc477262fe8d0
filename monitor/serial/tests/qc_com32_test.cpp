// The serial port component's rules on a simulated line.
#include "monitor/serial/qc_com32.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "monitor/serial/tests/serial_rig.h"

namespace lw {
namespace {

using Strings = std::vector<std::string>;

TEST(QCCom32Open, FailuresNameThePortAndRetryUntilAborted) {
    SerialRig rig;
    rig.com.SetPortNumber(0);
    rig.device.refusedOpens = 2;
    rig.boxes.answers = {MessageAnswer::Retry, MessageAnswer::Retry};
    EXPECT_TRUE(rig.com.Open());
    EXPECT_EQ(rig.device.opened, (Strings{"COM0", "COM0", "COM0"}));
    ASSERT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Error opening COM0: ");
    EXPECT_EQ(rig.boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(rig.boxes.shown[0].buttons, MessageButtons::AbortRetry);

    SerialRig aborted;
    aborted.com.SetPortNumber(-3);
    aborted.device.refusedOpens = 5;
    EXPECT_FALSE(aborted.com.Open());
    EXPECT_FALSE(aborted.com.Opened());
    EXPECT_EQ(aborted.BoxTexts(), Strings{"Error opening COM-3: "});

    SerialRig quiet;
    quiet.com.SetShowErrors(false);
    quiet.device.refusedOpens = 5;
    EXPECT_FALSE(quiet.com.Open());
    EXPECT_EQ(quiet.device.opened, Strings{"COM1"});
    EXPECT_TRUE(quiet.boxes.shown.empty());
}

// The port may be changed by whatever runs while the box is open; a retry opens the new one.
TEST(QCCom32Open, RetryTakesThePortAsItIsThen) {
    SerialRig rig;
    rig.device.refusedOpens = 1;
    rig.boxes.answers = {MessageAnswer::Retry};
    rig.boxes.whileOpen = [&] { rig.com.SetPortNumber(2); };
    EXPECT_TRUE(rig.com.Open());
    EXPECT_EQ(rig.device.opened, (Strings{"COM1", "COM2"}));
}

TEST(QCCom32Open, SetsSpeedAndWriteLimitAndStaysOpenWhenTheDriverRefusesSettings) {
    SerialRig rig;
    rig.com.SetBaud(2400);
    rig.device.acceptsSettings = false;
    EXPECT_TRUE(rig.com.Open());
    EXPECT_EQ(rig.device.bauds, std::vector<std::int32_t>{2400});
    EXPECT_EQ(rig.device.writeLimit.constantMs, 1000u);
    EXPECT_EQ(rig.device.writeLimit.perByteMs, 9u);  // 2 × 10 bits at 2400 bit/s, rounded up
    EXPECT_TRUE(rig.com.Opened());

    EXPECT_EQ(WriteTimeLimitFor(9600).perByteMs, 3u);
    EXPECT_EQ(WriteTimeLimitFor(115200).perByteMs, 1u);
    EXPECT_EQ(WriteTimeLimitFor(0).perByteMs, 182u);  // taken as 110 bit/s
    EXPECT_EQ(WriteTimeLimitFor(-9600).perByteMs, 182u);
}

TEST(QCCom32Open, ChangingPortOrSpeedReopensAnOpenPortOnly) {
    SerialRig rig;
    rig.com.SetPortNumber(3);
    EXPECT_TRUE(rig.device.opened.empty());
    EXPECT_TRUE(rig.com.Open());
    rig.com.SetPortNumber(3);
    rig.com.SetBaud(9600);
    EXPECT_EQ(rig.device.opened.size(), 1u);
    rig.com.SetPortNumber(4);
    rig.com.SetBaud(19200);
    EXPECT_EQ(rig.device.opened, (Strings{"COM3", "COM4", "COM4"}));
    EXPECT_EQ(rig.device.bauds, (std::vector<std::int32_t>{9600, 9600, 19200}));
    EXPECT_EQ(rig.device.closes, 2);
    EXPECT_TRUE(rig.com.Opened());
}

TEST(QCCom32, AClosedPortSendsNothingAndReceivesNothing) {
    SerialRig rig;
    rig.device.queue = "stale";
    EXPECT_FALSE(rig.com.Send("AT\r\n"));
    EXPECT_EQ(rig.com.Receive(), "");
    EXPECT_EQ(rig.com.InCount(), 0);
    EXPECT_TRUE(rig.device.writes.empty());
    rig.com.Close();
    EXPECT_EQ(rig.device.closes, 0);
}

TEST(QCCom32, SendSucceedsOnlyWhenEverythingWasWritten) {
    SerialRig rig;
    rig.com.Open();
    rig.device.shortWrites = 1;
    EXPECT_FALSE(rig.com.Send("ATZ\r\n"));
    EXPECT_TRUE(rig.com.Send("ATZ\r\n"));
    EXPECT_TRUE(rig.com.Send(""));
    EXPECT_EQ(rig.device.writes, (Strings{"ATZ\r\n", "ATZ\r\n", ""}));
}

TEST(QCCom32Receive, WithoutMarkerTakesWhatIsWaitingAtOnceUpToAZeroByte) {
    SerialRig rig;
    rig.com.Open();
    EXPECT_EQ(rig.com.Receive(), "");
    rig.device.queue = std::string("OK\0lost\r\n", 9);
    EXPECT_EQ(rig.com.InCount(), 9);
    EXPECT_EQ(rig.com.Receive(), "OK");
    EXPECT_EQ(rig.device.reads.size(), 1u);
    EXPECT_EQ(rig.com.InCount(), 0);
    EXPECT_EQ(rig.loop.rounds, 0);
    EXPECT_FALSE(rig.com.InUse());
}

TEST(QCCom32Receive, AMarkerSplitAcrossReadsIsFound) {
    SerialRig rig;
    rig.com.SetResponseTime(2000);
    rig.com.SetEndOfResponse("OK");
    rig.com.Open();
    rig.ArriveAt(30, "AT\r\nO");
    rig.ArriveAt(60, "K\r\n");
    rig.ArriveAt(90, "more");
    EXPECT_EQ(rig.com.Receive(), "AT\r\nOK\r\n");
    EXPECT_EQ(rig.device.reads, (Strings{"AT\r\nO", "K\r\n"}));
    EXPECT_FALSE(rig.com.TimedOut());
    EXPECT_FALSE(rig.timer.Enabled());
    EXPECT_TRUE(rig.boxes.shown.empty());
}

TEST(QCCom32Receive, ZeroBytesCutEachReadNotTheWait) {
    SerialRig rig;
    rig.com.SetEndOfResponse("OK");
    rig.com.Open();
    rig.ArriveAt(10, std::string("AT\0xx", 5));
    rig.ArriveAt(20, "\r\nOK");
    EXPECT_EQ(rig.com.Receive(), "AT\r\nOK");
}

TEST(QCCom32Receive, RetryAfterATimeOutKeepsWhatCameBefore) {
    SerialRig rig;
    rig.com.SetResponseTime(500);
    rig.com.SetEndOfResponse("OK");
    int timeouts = 0;
    rig.com.OnTimeout = [&](T_QCCom32& sender) {
        EXPECT_EQ(&sender, &rig.com);
        ++timeouts;
    };
    rig.com.Open();
    rig.ArriveAt(100, "AT&F\r\n");
    rig.ArriveAt(700, "OK\r\n");
    rig.boxes.answers = {MessageAnswer::Retry};
    rig.boxes.whileOpen = [&] { EXPECT_TRUE(rig.com.TimedOut()); };
    EXPECT_EQ(rig.com.Receive(), "AT&F\r\nOK\r\n");
    EXPECT_EQ(rig.BoxTexts(), Strings{"Timeout waiting for response."});
    EXPECT_EQ(rig.boxes.shown[0].buttons, MessageButtons::AbortRetry);
    EXPECT_EQ(timeouts, 1);
    EXPECT_FALSE(rig.com.TimedOut());
    EXPECT_LT(rig.now, 1200u);  // the second round ended with the reply, not its time-out
}

TEST(QCCom32Receive, AbortOrNoErrorBoxesEndTheWaitWithWhatArrived) {
    SerialRig rig;
    rig.com.SetResponseTime(300);
    rig.com.SetEndOfResponse("OK");
    rig.com.Open();
    rig.ArriveAt(0, "AT");
    EXPECT_EQ(rig.com.Receive(), "AT");
    EXPECT_TRUE(rig.com.TimedOut());
    EXPECT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_FALSE(rig.timer.Enabled());

    SerialRig quiet;
    quiet.com.SetResponseTime(300);
    quiet.com.SetEndOfResponse("OK");
    quiet.com.SetShowErrors(false);
    quiet.com.Open();
    EXPECT_EQ(quiet.com.Receive(), "");
    EXPECT_TRUE(quiet.com.TimedOut());
    EXPECT_TRUE(quiet.boxes.shown.empty());
    EXPECT_GE(quiet.now, 300u);
    EXPECT_LT(quiet.now, 300u + 2 * kReplyPollMs);
}

TEST(QCCom32Receive, ASecondReceiveDuringTheWaitIsTurnedAway) {
    SerialRig rig;
    rig.com.SetEndOfResponse("OK");
    rig.com.Open();
    rig.ArriveAt(50, "OK");
    std::string nested = "not run";
    rig.loop.whileWaiting = [&] {
        if (rig.now == 20) {
            nested = rig.com.Receive();
            EXPECT_EQ(rig.com.ReceiveReply(true), "");
        }
    };
    EXPECT_EQ(rig.com.Receive(), "OK");
    EXPECT_EQ(nested, "");
    ASSERT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Port is in use -- operation aborted");
    EXPECT_EQ(rig.boxes.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(rig.boxes.shown[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(rig.com.InUse());

    SerialRig quiet;
    quiet.com.SetShowErrors(false);
    quiet.com.SetEndOfResponse("OK");
    quiet.com.Open();
    quiet.ArriveAt(50, "OK");
    quiet.loop.whileWaiting = [&] { EXPECT_EQ(quiet.com.Receive(), ""); };
    EXPECT_EQ(quiet.com.Receive(), "OK");
    EXPECT_TRUE(quiet.boxes.shown.empty());
}

TEST(QCCom32Receive, AQuitRequestEndsTheWaitWithoutABox) {
    SerialRig rig;
    rig.com.SetEndOfResponse("OK");
    rig.com.Open();
    rig.ArriveAt(0, "AT");
    rig.loop.quitAtMs = 100;
    EXPECT_EQ(rig.com.Receive(), "AT");
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_FALSE(rig.timer.Enabled());
    EXPECT_LT(rig.now, 1000u);
}

TEST(QCCom32, ResponseTimeIsTheTimersIntervalAndNeverNegative) {
    SerialRig rig;
    EXPECT_EQ(rig.com.ResponseTime(), 1000);
    EXPECT_FALSE(rig.timer.Enabled());
    rig.com.SetResponseTime(0);
    EXPECT_EQ(rig.com.ResponseTime(), 0);
    EXPECT_THROW(rig.com.SetResponseTime(-1), std::out_of_range);
    EXPECT_EQ(rig.com.ResponseTime(), 0);
}

TEST(QCCom32, DestructionClosesThePort) {
    SerialRig rig;
    {
        T_QCCom32 other({rig.device, rig.timer, rig.loop, rig.boxes});
        other.Open();
        EXPECT_TRUE(rig.device.open);
    }
    EXPECT_FALSE(rig.device.open);
    EXPECT_FALSE(rig.timer.Enabled());
}

}  // namespace
}  // namespace lw
