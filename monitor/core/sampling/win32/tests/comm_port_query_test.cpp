// The status query on the stand-in modem's port: a handle for device queries only.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "monitor/core/sampling/win32/sampling_comm_port.h"

namespace lw {
namespace {

const std::string kPort = "\\\\.\\COM" + std::to_string(LW_MODEM_PORT);

HANDLE OpenAsDialler() {
    return CreateFileA(kPort.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                       nullptr);
}

// Wine gives no comm state through a handle without access rights (ERROR_ACCESS_DENIED), so
// here the values stay unread, where a handle opened for reading and writing would read them.
// The query keeps nothing open: a dialler gets the port after it, and keeps it during it.
TEST(CommPortQuery, AsksThroughAHandleWithoutRightsAndLeavesThePortFree) {
    HANDLE dialler = OpenAsDialler();
    ASSERT_NE(dialler, INVALID_HANDLE_VALUE) << "the stand-in modem's port is missing";
    DCB control = {};
    control.DCBlength = sizeof(control);
    ASSERT_TRUE(GetCommState(dialler, &control));
    CloseHandle(dialler);

    CommStatePorts ports;
    PortState state{1234, 5, 4, 1};
    ports.Query(LW_MODEM_PORT, state);
    EXPECT_EQ(state.BaudRate, 1234u);
    EXPECT_EQ(state.DataBits, 5);

    dialler = OpenAsDialler();
    ASSERT_NE(dialler, INVALID_HANDLE_VALUE);
    ports.Query(LW_MODEM_PORT, state);
    EXPECT_EQ(state.BaudRate, 1234u);
    EXPECT_TRUE(GetCommState(dialler, &control));
    CloseHandle(dialler);
}

}  // namespace
}  // namespace lw
