// What the serial port component needs from the system's serial driver.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lw {

// How long one write may take before it gives up with what it has written so far.
struct WriteTimeLimit {
    std::uint32_t constantMs = 0;
    std::uint32_t perByteMs = 0;
};

class CommDevice {
  public:
    virtual ~CommDevice() = default;
    // Opens the named device for reading and writing, shared with nobody; false when it
    // cannot be opened or is not a character device.
    virtual bool Open(const std::string& name) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Keeps the driver's settings but the speed and the 8N1 frame; false when the settings
    // could not be read or written.
    virtual bool SetLineFormat(std::int32_t baud) = 0;
    virtual void LimitWriteTime(const WriteTimeLimit& limit) = 0;
    // Bytes waiting in the driver's input queue; asking also clears a pending line error.
    virtual std::uint32_t QueuedCount() = 0;
    // One read of at most `count` bytes.
    virtual std::string Read(std::uint32_t count) = 0;
    // One write; returns the number of bytes written.
    virtual std::size_t Write(std::string_view bytes) = 0;
};

}  // namespace lw
