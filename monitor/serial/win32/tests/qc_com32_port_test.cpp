// The serial port component on a real comm port: the stand-in modem's line under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "monitor/serial/win32/tests/serial_port_fixture.h"

namespace lw {
namespace {

TEST_F(SerialPortTest, WithoutMarkerAReceiveTakesWhatIsWaitingAtOnce) {
    ASSERT_TRUE(com.Open());
    EXPECT_EQ(com.Receive(), "");
    ASSERT_TRUE(com.Send("AT\r\n"));
    ASSERT_TRUE(WaitForWaiting(8));
    EXPECT_EQ(com.Receive(), "AT\rOK\r\n\n");
    EXPECT_EQ(com.InCount(), 0);
    EXPECT_EQ(modem.Received(), "AT\\r\\n");
}

TEST_F(SerialPortTest, AnAnswerInPiecesIsWaitedForUpToTheMarker) {
    modem.Command("pieces 150");
    com.SetEndOfResponse("OK");
    com.SetResponseTime(2000);
    ASSERT_TRUE(com.Open());
    ASSERT_TRUE(com.Send("AT\r\n"));
    EXPECT_EQ(com.Receive(), "AT\rOK");
    EXPECT_FALSE(com.TimedOut());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SerialPortTest, AZeroByteCutsTheReply) {
    modem.Command("zero");
    ASSERT_TRUE(com.Open());
    ASSERT_TRUE(com.Send("AT\r\n"));
    ASSERT_TRUE(WaitForWaiting(14));
    EXPECT_EQ(com.Receive(), "AT\rOK");
}

TEST_F(SerialPortTest, RetryAfterATimeOutKeepsTheTextFromBefore) {
    modem.Command("late 700");
    com.SetEndOfResponse("OK");
    com.SetResponseTime(300);
    int timeouts = 0;
    com.OnTimeout = [&](T_QCCom32&) { ++timeouts; };
    // However late the machine lets the timer fire, the answer comes in some later round.
    boxes.answers = {MessageAnswer::Retry, MessageAnswer::Retry, MessageAnswer::Retry,
                     MessageAnswer::Retry, MessageAnswer::Retry};
    ASSERT_TRUE(com.Open());
    ASSERT_TRUE(com.Send("AT\r\n"));
    const std::string reply = com.Receive();
    EXPECT_TRUE(reply.starts_with("AT\rOK")) << reply;
    ASSERT_GE(boxes.shown.size(), 1u);
    EXPECT_LT(boxes.shown.size(), 5u);
    EXPECT_EQ(boxes.shown[0].text, "Timeout waiting for response.");
    EXPECT_EQ(timeouts, static_cast<int>(boxes.shown.size()));
}

// The wait sleeps between looks at the queue instead of spinning, yet wakes for the timer.
TEST_F(SerialPortTest, ASilentModemTimesOutWithoutBusyWaiting) {
    modem.Command("silent");
    com.SetEndOfResponse("OK");
    com.SetResponseTime(1000);
    ASSERT_TRUE(com.Open());
    ASSERT_TRUE(com.Send("AT\r\n"));
    const DWORD started = GetTickCount();
    const double cpuBefore = ProcessCpuMs();
    EXPECT_EQ(com.Receive(), "");
    const double cpuMs = ProcessCpuMs() - cpuBefore;
    const DWORD elapsed = GetTickCount() - started;
    std::printf("wait of %lu ms used %.1f ms of CPU\n", elapsed, cpuMs);
    EXPECT_TRUE(com.TimedOut());
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_GE(elapsed, 900u);
    EXPECT_LT(cpuMs, elapsed * 0.25);
}

TEST_F(SerialPortTest, AHeldPortOffersRetryWhichSucceedsOnceItIsLetGo) {
    ASSERT_EQ(modem.Command("hold"), "ok");
    com.SetShowErrors(false);
    EXPECT_FALSE(com.Open());
    EXPECT_TRUE(boxes.shown.empty());

    com.SetShowErrors(true);
    boxes.answers = {MessageAnswer::Retry, MessageAnswer::Retry};
    int shown = 0;
    boxes.whileOpen = [&] {
        if (++shown == 2) {
            modem.Command("release");
        }
    };
    EXPECT_TRUE(com.Open());
    const std::string expected = "Error opening COM" + std::to_string(kModemPort) + ": ";
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, expected);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::AbortRetry);
    EXPECT_TRUE(com.Send("AT\r\n"));
}

// Such names are no devices: a file of that name in the current directory is no port.
TEST_F(SerialPortTest, PortsThatDoNotExistFailNamingTheirNumber) {
    std::ofstream("COM0") << "not a port";
    std::ofstream("COM-1") << "not a port";
    for (const int port : {0, -1, 9}) {
        com.SetPortNumber(port);
        EXPECT_FALSE(com.Open()) << port;
        EXPECT_FALSE(com.Opened());
    }
    std::remove("COM0");
    std::remove("COM-1");
    std::ifstream file("COM-1");
    EXPECT_FALSE(file.is_open());
    EXPECT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, "Error opening COM0: ");
    EXPECT_EQ(boxes.shown[1].text, "Error opening COM-1: ");
    EXPECT_EQ(boxes.shown[2].text, "Error opening COM9: ");
}

T_QCCom32* g_waiting = nullptr;
std::string g_nested = "not run";

void CALLBACK ReceiveAgain(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_nested = g_waiting->Receive();
}

TEST_F(SerialPortTest, AReceiveStartedFromATimerDuringAWaitReturnsAtOnce) {
    modem.Command("late 500");
    com.SetEndOfResponse("OK");
    com.SetResponseTime(3000);
    ASSERT_TRUE(com.Open());
    ASSERT_TRUE(com.Send("AT\r\n"));
    g_waiting = &com;
    SetTimer(nullptr, 0, 100, ReceiveAgain);
    const std::string reply = com.Receive();
    EXPECT_TRUE(reply.starts_with("AT\rOK")) << reply;
    EXPECT_EQ(g_nested, "");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Port is in use -- operation aborted");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::None);
}

void CALLBACK AskToQuit(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostQuitMessage(3);
}

TEST_F(SerialPortTest, AQuitRequestEndsTheWaitAndStaysForTheMainLoop) {
    modem.Command("silent");
    com.SetEndOfResponse("OK");
    com.SetResponseTime(5000);
    ASSERT_TRUE(com.Open());
    SetTimer(nullptr, 0, 100, AskToQuit);
    const DWORD started = GetTickCount();
    EXPECT_EQ(com.Receive(), "");
    EXPECT_LT(GetTickCount() - started, 4000u);
    EXPECT_TRUE(boxes.shown.empty());
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

}  // namespace
}  // namespace lw
