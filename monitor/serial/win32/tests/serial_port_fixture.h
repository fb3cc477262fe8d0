// The component on the stand-in modem's line, with the real port, timer and message loop and
// boxes that the test answers.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "monitor/serial/qc_com32.h"
#include "monitor/serial/tests/serial_rig.h"
#include "monitor/serial/win32/comm_device.h"
#include "monitor/serial/win32/message_loop.h"
#include "monitor/serial/win32/response_timer.h"
#include "monitor/serial/win32/tests/modem_control.h"

namespace lw {

class SerialPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(modem.Command("echo"), "ok") << "the stand-in modem is not running";
        com.SetPortNumber(kModemPort);
    }

    // Waits, for at most ten seconds, until `count` bytes are waiting in the driver.
    bool WaitForWaiting(std::int32_t count) {
        for (int waited = 0; waited < 10000; waited += 10) {
            if (com.InCount() >= count) {
                return true;
            }
            Sleep(10);
        }
        return false;
    }

    ModemControl modem;
    Win32CommDevice device;
    Win32ResponseTimer timer;
    Win32MessageLoop loop;
    ScriptedSerialBoxes boxes;
    T_QCCom32 com{{device, timer, loop, boxes}};
};

// CPU time this process has used, in milliseconds.
inline double ProcessCpuMs() {
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& time) {
        return (static_cast<double>(time.dwHighDateTime) * 4294967296.0 + time.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

}  // namespace lw
