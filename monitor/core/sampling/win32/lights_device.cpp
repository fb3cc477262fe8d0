#include "monitor/core/sampling/win32/lights_device.h"

#include <cstring>

namespace lw {
namespace {

constexpr DWORD kStatisticsCode = 0xA007;

HANDLE AsHandle(std::uintptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

}  // namespace

std::string CopyDataText(const COPYDATASTRUCT& record) {
    if (record.lpData == nullptr) {
        return {};
    }
    const char* data = static_cast<const char*>(record.lpData);
    const void* end = std::memchr(data, '\0', record.cbData);
    const std::size_t length =
        end != nullptr ? static_cast<const char*>(end) - data : record.cbData;
    return std::string(data, length);
}

bool ConnectionDevice::ConnectionAlive(std::uintptr_t event) {
    return WaitForSingleObject(AsHandle(event), 0) == WAIT_TIMEOUT;
}

void ConnectionDevice::QueryStatistics(std::uintptr_t device, std::array<std::uint8_t, 20>& block) {
    DWORD count = 0;
    DeviceIoControl(AsHandle(device), kStatisticsCode, block.data(),
                    static_cast<DWORD>(block.size()), block.data(),
                    static_cast<DWORD>(block.size()), &count, nullptr);
}

void WinExecLauncher::Run(const std::string& commandLine) {
    WinExec(commandLine.c_str(), SW_SHOW);
}

}  // namespace lw
