// What the monitor learns of the line on each tick, and what sampling keeps between ticks.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lw {

// The lamps of one tick (each 0 or 1) and the byte totals and speed of the current source.
struct LineState {
    std::uint8_t CTS = 0;
    std::uint8_t DSR = 0;
    std::uint8_t RI = 0;
    std::uint8_t CD = 0;
    std::uint8_t DTR = 0;
    std::uint8_t RTS = 0;
    std::uint8_t TD = 0;
    std::uint8_t RD = 0;
    std::uint8_t HS = 0;
    std::int32_t Received = 0;
    std::int32_t Transmitted = 0;
    std::int32_t ConnectSpeed = 0;  // bits per second, 0 when none reported
    friend bool operator==(const LineState&, const LineState&) = default;
};

// The port's settings in the layout of the system's device control block.
struct PortState {
    std::uint32_t BaudRate = 0;
    std::uint8_t DataBits = 0;
    std::uint8_t Parity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t StopBits = 0;  // 0 one, 1 one and a half, 2 two
};

// One of the dial-up window's 24-bit byte counters as last read, and what its wraps have added.
struct Counter24 {
    std::uint32_t Raw = 0;
    std::int64_t Carried = 0;
};

inline constexpr std::size_t kLongestSpeedText = 144;

// Values that sampling keeps from one tick to the next. The handles of the driver and of the
// dial-up process belong to the sources that use them; only their meaning is kept here.
struct SamplingState {
    LineState Current;   // this tick
    LineState Previous;  // the tick before, for change detection

    std::int32_t LastReceived = 0;
    std::int32_t LastTransmitted = 0;
    // Connect-speed text, empty when no speed is known. It carries a connection name that
    // another program handed over, so the texts that show it take at most kLongestSpeedText.
    std::string SpeedText;

    // The last "lights" hand-over; 0, 0 and empty until one arrives.
    std::uintptr_t LightsEvent = 0;
    std::uintptr_t LightsDevice = 0;
    std::string LightsName;

    bool DialerFound = false;
    Counter24 DialerReceived;
    Counter24 DialerTransmitted;
    int DialerVersion = 0;  // 0 no dial-up program, 1 after 1 September 1995, 2 not after
    bool LightsInstalled = false;

    std::int32_t RegistryBaseReceived = 0;
    std::int32_t RegistryBaseTransmitted = 0;

    std::array<bool, 4> PortAvailable{};  // COM1-COM4 could be opened at start-up
    PortState Port;
};

}  // namespace lw
