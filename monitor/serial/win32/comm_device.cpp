#include "monitor/serial/win32/comm_device.h"

namespace lw {

// "COM0", "COM-1" or "COM10" name no device: they would open a file of that name in the
// current directory, which must not be taken for a port and written to.
bool Win32CommDevice::Open(const std::string& name) {
    Close();
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_CHAR) {
        CloseHandle(handle);
        SetLastError(ERROR_FILE_NOT_FOUND);
        handle = INVALID_HANDLE_VALUE;
    }
    handle_ = handle;
    return IsOpen();
}

void Win32CommDevice::Close() {
    if (IsOpen()) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
}

bool Win32CommDevice::SetLineFormat(std::int32_t baud) {
    DCB control = {};
    control.DCBlength = sizeof control;
    if (!GetCommState(handle_, &control)) {
        return false;
    }
    control.BaudRate = static_cast<DWORD>(baud);
    control.ByteSize = 8;
    control.Parity = NOPARITY;
    control.StopBits = ONESTOPBIT;
    return SetCommState(handle_, &control) != FALSE;
}

// Reads keep the driver's time-outs: they only ever ask for what is already waiting.
void Win32CommDevice::LimitWriteTime(const WriteTimeLimit& limit) {
    COMMTIMEOUTS timeouts = {};
    if (!GetCommTimeouts(handle_, &timeouts)) {
        return;
    }
    timeouts.WriteTotalTimeoutConstant = limit.constantMs;
    timeouts.WriteTotalTimeoutMultiplier = limit.perByteMs;
    SetCommTimeouts(handle_, &timeouts);
}

std::uint32_t Win32CommDevice::QueuedCount() {
    DWORD errors = 0;
    COMSTAT status = {};
    if (!ClearCommError(handle_, &errors, &status)) {
        return 0;
    }
    return status.cbInQue;
}

std::string Win32CommDevice::Read(std::uint32_t count) {
    std::string bytes(count, '\0');
    DWORD read = 0;
    if (count == 0 || !ReadFile(handle_, bytes.data(), count, &read, nullptr)) {
        read = 0;
    }
    bytes.resize(read);
    return bytes;
}

// A write that timed out still reports how much of it went out.
std::size_t Win32CommDevice::Write(std::string_view bytes) {
    DWORD written = 0;
    if (!bytes.empty()) {
        WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    return written;
}

}  // namespace lw
