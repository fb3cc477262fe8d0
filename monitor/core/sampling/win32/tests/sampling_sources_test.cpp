// The sampling sources against the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/core/sampling/tests/fakes/sampling_fakes.h"
#include "monitor/core/sampling/win32/driver_device.h"
#include "monitor/core/sampling/win32/lights_device.h"
#include "monitor/core/sampling/win32/port_registers.h"
#include "monitor/core/sampling/win32/registry_stats.h"

namespace lw {
namespace {

void WriteCounter(HKEY key, const char* name, std::int32_t value) {
    RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

TEST(SamplingWin32Test, RegistryCountersOfTheNamedConnection) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    WriteCounter(key, "LwNet\\BytesRecvd", 1234);
    WriteCounter(key, "LwNet\\BytesXmit", 567);
    WriteCounter(key, "LwNet\\ConnectSpeed", 33600);
    RegCloseKey(key);
    RegistryDialupStatistics statistics;
    const DialupCounters counters = statistics.Read("LwNet");
    EXPECT_EQ(counters.received, 1234);
    EXPECT_EQ(counters.transmitted, 567);
    EXPECT_EQ(counters.speed, 33600);
    EXPECT_EQ(statistics.Read("LwMissing").received, 0);
}

std::string g_handedOver;

LRESULT CALLBACK HandOverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        g_handedOver = std::to_string(record->dwData) + ":" + CopyDataText(*record);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(SamplingWin32Test, HandOverThroughCopyData) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HandOverProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LwSamplingHandOver";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, "LwSamplingHandOver", "", 0, 0, 0, 10, 10, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    char text[] = "12 5678 My ISP";
    COPYDATASTRUCT record = {1, sizeof(text), text};
    SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(g_handedOver, "1:12 5678 My ISP");
    record.cbData = 7;  // no terminator within the stated size
    SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(g_handedOver, "1:12 5678");
    DestroyWindow(window);
}

TEST(SamplingWin32Test, LightsEventEndsTheReads) {
    const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ConnectionDevice device;
    const auto value = reinterpret_cast<std::uintptr_t>(event);
    EXPECT_TRUE(device.ConnectionAlive(value));
    SetEvent(event);
    EXPECT_FALSE(device.ConnectionAlive(value));
    std::array<std::uint8_t, 20> block{};
    device.QueryStatistics(value, block);  // not a device: the block stays as it was
    EXPECT_EQ(block, (std::array<std::uint8_t, 20>{}));
    CloseHandle(event);
}

TEST(SamplingWin32Test, MissingDriverFailsCleanly) {
    DriverDevice driver;
    EXPECT_FALSE(driver.Open());
    EXPECT_FALSE(driver.IsOpen());
    EXPECT_FALSE(driver.Hook());
    std::array<char, 4> name{};
    EXPECT_EQ(driver.WatchedPort(name).count, 0u);
    driver.Close();
}

TEST(SamplingWin32Test, NoPortAccessHereAndHangUpChangesNothing) {
    ChipRegisters registers;
    EXPECT_FALSE(registers.HasAccess());
    EXPECT_EQ(registers.Read(0x3FC), 0);
    testing::FakeSources fakes;
    SamplingSources sources = fakes.Sources();
    SignalSampler sampler{{sources.driver, registers, sources.lights, sources.launcher,
                           sources.dialer, sources.statistics, sources.commPorts, sources.clock}};
    MonitorSettings settings;
    settings.DefaultPort = 1;
    settings.NewOrientation = 4;
    sampler.HangUp(settings);
    SamplingState sampling;
    ConnectionState connection;
    sampler.SampleLine(sampling, settings, connection);
    EXPECT_EQ(sampling.Current.DTR, 0);
    EXPECT_EQ(fakes.clock.ticks, 0u);
}

}  // namespace
}  // namespace lw
