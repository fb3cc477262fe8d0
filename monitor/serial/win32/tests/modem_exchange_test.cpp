// The modem initialisation exchange with the stand-in modem, through the real port.
#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/core/boxes/win32/message_box.h"
#include "monitor/serial/modem_init.h"
#include "monitor/serial/win32/qc_com32.h"
#include "monitor/serial/win32/tests/serial_port_fixture.h"

namespace lw {
namespace {

class ModemExchangeTest : public SerialPortTest {
  protected:
    void SetUp() override {
        SerialPortTest::SetUp();
        LoadStoredProperties(com);
    }
};

TEST_F(ModemExchangeTest, AnEchoingModemGetsTheStringWithCrLfAndNothingIsShown) {
    const DWORD started = GetTickCount();
    RunModemInitExchange(com, kModemPort, "AT&F1");
    // A wait for a reply that already came would take the two seconds of the response time.
    EXPECT_LT(GetTickCount() - started, 1900u);
    EXPECT_EQ(modem.Received(), "AT&F1\\r\\n");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(com.Opened());
}

TEST_F(ModemExchangeTest, AnAnswerInPiecesEndsTheExchange) {
    modem.Command("pieces 100");
    RunModemInitExchange(com, kModemPort, "ATZ");
    EXPECT_EQ(modem.Received(), "ATZ\\r\\n");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(com.Opened());
}

TEST_F(ModemExchangeTest, ASilentModemIsReportedAfterTheResponseTime) {
    modem.Command("silent");
    const DWORD started = GetTickCount();
    RunModemInitExchange(com, kModemPort, "ATZ");
    const DWORD elapsed = GetTickCount() - started;
    EXPECT_GE(elapsed, 1900u);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Timeout waiting for response.");
    EXPECT_EQ(modem.Received(), "ATZ\\r\\n");
    EXPECT_FALSE(com.Opened());
}

TEST_F(ModemExchangeTest, AHeldPortSendsNothing) {
    modem.Command("hold");
    RunModemInitExchange(com, kModemPort, "ATZ");
    modem.Command("release");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Error opening COM" + std::to_string(kModemPort) + ": ");
    EXPECT_EQ(modem.Received(), "");
}

// The user's view of a silent modem: the real box, answered with Abort.
struct SeenBox {
    std::string text;
    bool retry = false;
    bool abort = false;
    bool ignore = false;
};
SeenBox g_seen;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char title[16] = {};
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::string(title) == "LineWink") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerAbort(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    char text[128] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_seen.text = text;
    g_seen.abort = IsWindowVisible(GetDlgItem(box, IDABORT));
    g_seen.retry = IsWindowVisible(GetDlgItem(box, IDRETRY));
    g_seen.ignore = IsWindowVisible(GetDlgItem(box, IDIGNORE));
    PostMessageA(GetDlgItem(box, IDABORT), BM_CLICK, 0, 0);
}

TEST(ModemExchangeOnScreen, ASilentModemShowsTheTimeOutBoxWithAbortAndRetry) {
    ModemControl modem;
    ASSERT_EQ(modem.Command("silent"), "ok");
    Win32MessageBoxes boxes(nullptr);
    Win32QCCom32 com(boxes);
    LoadStoredProperties(*com);
    com->SetResponseTime(500);
    SetTimer(nullptr, 0, 50, AnswerAbort);
    RunModemInitExchange(*com, kModemPort, "ATZ");
    EXPECT_TRUE(g_seen.abort);
    EXPECT_TRUE(g_seen.retry);
    EXPECT_FALSE(g_seen.ignore);
    EXPECT_FALSE(com->Opened());
}

}  // namespace
}  // namespace lw
