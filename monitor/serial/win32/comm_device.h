#pragma once

#include <windows.h>

#include "monitor/serial/comm_device.h"

namespace lw {

// A serial port through the system's comm functions, without overlapped I/O.
class Win32CommDevice : public CommDevice {
  public:
    Win32CommDevice() = default;
    ~Win32CommDevice() override { Close(); }
    Win32CommDevice(const Win32CommDevice&) = delete;
    Win32CommDevice& operator=(const Win32CommDevice&) = delete;

    bool Open(const std::string& name) override;
    void Close() override;
    bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
    bool SetLineFormat(std::int32_t baud) override;
    void LimitWriteTime(const WriteTimeLimit& limit) override;
    std::uint32_t QueuedCount() override;
    std::string Read(std::uint32_t count) override;
    std::size_t Write(std::string_view bytes) override;

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace lw
