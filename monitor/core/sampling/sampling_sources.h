// What line sampling needs from the system: one small interface per source.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "monitor/core/sampling/line_state.h"

namespace lw {

// Control codes of the monitor's helper driver.
enum class DriverCode : std::uint32_t {
    Hook = 2,
    Release = 3,
    Transmitted = 4,
    Received = 5,
    WatchedPort = 6,
    ModemStatus = 8,
    BaudAndParity = 9,
    DataAndStopBits = 10,
    ReceivedAlternative = 11,
};

// What the driver answers: the byte count of the call and the thread's last error after it.
struct DriverAnswer {
    std::uint32_t count = 0;
    std::uint32_t lastError = 0;
};

class HelperDriver {
  public:
    virtual ~HelperDriver() = default;
    virtual bool IsOpen() const = 0;
    // A call without output buffer (codes 9 and 10 pass a length of 1).
    virtual DriverAnswer Call(DriverCode code) = 0;
    // Code 6: the name of the watched port ("COM" and a digit, not terminated) into `name`.
    virtual DriverAnswer WatchedPort(std::array<char, 4>& name) = 0;
};

// The serial chip's I/O registers. Without access, reads give 0 and writes do nothing.
class PortRegisters {
  public:
    virtual ~PortRegisters() = default;
    virtual bool HasAccess() const = 0;
    virtual std::uint8_t Read(std::uint16_t address) = 0;
    virtual void Write(std::uint16_t address, std::uint8_t value) = 0;
};

// The dial-up connection device handed over by the "lights" replacement.
class LightsDevice {
  public:
    virtual ~LightsDevice() = default;
    // True while the connection's event is not signalled (a zero-time wait times out).
    virtual bool ConnectionAlive(std::uintptr_t event) = 0;
    // Asks the device for its 20-byte statistics block, which serves as input and output.
    virtual void QueryStatistics(std::uintptr_t device, std::array<std::uint8_t, 20>& block) = 0;
};

// Starts another program with a command line, shown normally.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    virtual void Run(const std::string& commandLine) = 0;
};

// The dialog of the dial-up program and its private data in that process.
class DialerWindow {
  public:
    virtual ~DialerWindow() = default;
    // Looks for the dial-up program's dialog; true when found (and then remembered).
    virtual bool Find() = 0;
    // The remembered dialog's user value: the address of its private data, 0 when gone.
    virtual std::uint64_t UserValue() = 0;
    // Reads the private data; a failed read leaves `data` as it was.
    virtual void ReadPrivateData(std::uint64_t address, std::array<std::uint8_t, 36>& data) = 0;
};

// The counters the dial-up networking publishes for one connection name.
struct DialupCounters {
    std::int32_t received = 0;
    std::int32_t transmitted = 0;
    std::int32_t speed = 0;
};

class DialupStatistics {
  public:
    virtual ~DialupStatistics() = default;
    // All 0 when the statistics cannot be opened.
    virtual DialupCounters Read(const std::string& connectionName) = 0;
};

// The settings of a COM port queried through the port itself (without the driver).
class CommPortSettings {
  public:
    virtual ~CommPortSettings() = default;
    // Fills what the system reports; leaves `state` unchanged when the port cannot be asked.
    virtual void Query(int port, PortState& state) = 0;
};

}  // namespace lw
