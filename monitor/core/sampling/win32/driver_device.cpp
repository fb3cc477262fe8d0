#include "monitor/core/sampling/win32/driver_device.h"

#include <string>

namespace lw {
namespace {

// "\\.\" + the program's directory in its short form + the driver's file name.
std::string DriverPath() {
    char program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    std::string directory(program, length);
    directory.erase(directory.find_last_of('\\') + 1);
    char shortForm[MAX_PATH] = {};
    const DWORD shortLength = GetShortPathNameA(directory.c_str(), shortForm, MAX_PATH);
    if (shortLength != 0 && shortLength < MAX_PATH) {
        directory.assign(shortForm, shortLength);
    }
    if (directory.empty() || directory.back() != '\\') {
        directory += '\\';
    }
    return "\\\\.\\" + directory + "LNWINK95.VXD";
}

}  // namespace

bool DriverDevice::Open() {
    Close();
    const std::string path = DriverPath();
    if (path.empty()) {
        return false;
    }
    device_ =
        CreateFileA(path.c_str(), 0, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return IsOpen();
}

bool DriverDevice::Hook() {
    if (!IsOpen()) {
        return false;
    }
    DWORD count = 0;
    return DeviceIoControl(device_, static_cast<DWORD>(DriverCode::Hook), nullptr, 0, nullptr, 0,
                           &count, nullptr) != 0;
}

void DriverDevice::Close() {
    if (!IsOpen()) {
        return;
    }
    Control(DriverCode::Release, nullptr, 0);
    CloseHandle(device_);
    device_ = INVALID_HANDLE_VALUE;
}

DriverAnswer DriverDevice::Control(DriverCode code, void* output, DWORD outputSize) {
    if (!IsOpen()) {
        return {};
    }
    DWORD count = 0;
    SetLastError(0);
    DeviceIoControl(device_, static_cast<DWORD>(code), nullptr, 0, output, outputSize, &count,
                    nullptr);
    return {count, GetLastError()};
}

DriverAnswer DriverDevice::Call(DriverCode code) {
    // The driver takes an output length of 1 (without buffer) for its port-settings codes.
    const bool lengthOne = code == DriverCode::BaudAndParity || code == DriverCode::DataAndStopBits;
    return Control(code, nullptr, lengthOne ? 1 : 0);
}

DriverAnswer DriverDevice::WatchedPort(std::array<char, 4>& name) {
    return Control(DriverCode::WatchedPort, name.data(), static_cast<DWORD>(name.size()));
}

}  // namespace lw
