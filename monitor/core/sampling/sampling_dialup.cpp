// The dial-up sources of a tick: the "lights" device, the dial-up window and the driver's
// own counters.
#include <algorithm>
#include <limits>

#include "monitor/core/sampling/lights_hand_over.h"
#include "monitor/core/sampling/sampling_signals.h"

namespace lw {
namespace {

std::uint32_t Word32(const std::uint8_t* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint32_t Word24(const std::uint8_t* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16);
}

// The previous total plus a count since the previous call, kept within 0 and the 32-bit range.
std::int32_t AddCount(std::int32_t last, std::uint32_t count) {
    const std::int64_t total = static_cast<std::int64_t>(last) + static_cast<std::int32_t>(count);
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(total, 0, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t Total(const Counter24& counter) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(
        counter.Carried + counter.Raw, std::numeric_limits<std::int32_t>::max()));
}

// The dial-up program's counters have 24 bits and wrap after 16 MiB. Read on their own, a
// wrapped counter would look like no traffic until it passed the old total again, so a busy line
// would show dark lamps and could be hung up as idle. A counter that moved on across the top of
// its range, by less than a quarter of the range, has wrapped and its total carries on; any
// other fall (a restarted counter) is taken as it stands.
std::int32_t CarryOn24(Counter24& counter, std::uint32_t raw) {
    constexpr std::uint32_t kRange = 1u << 24;
    const std::uint32_t forward = (raw - counter.Raw) & (kRange - 1);
    if (raw < counter.Raw && forward < kRange / 4) {
        counter.Carried += kRange;
    }
    counter.Raw = raw;
    return Total(counter);
}

bool AllZero(const std::array<std::uint8_t, 36>& data) {
    return std::all_of(data.begin(), data.end(), [](std::uint8_t byte) { return byte == 0; });
}

}  // namespace

void SignalSampler::ReadLights(SamplingState& sampling) {
    if (!sampling.LightsInstalled) {
        return;
    }
    LineState& line = sampling.Current;
    line.Received = line.Transmitted = line.ConnectSpeed = 0;
    if (!line.CD || sampling.LightsDevice == 0 || sampling.LightsEvent == 0 ||
        !sources_.lights.ConnectionAlive(sampling.LightsEvent)) {
        return;
    }
    std::array<std::uint8_t, 20> block{};
    sources_.lights.QueryStatistics(sampling.LightsDevice, block);
    line.Received = static_cast<std::int32_t>(Word32(&block[12]));
    line.Transmitted = static_cast<std::int32_t>(Word32(&block[16]));
    // The speed goes into the lights' own text only, not into this tick's speed.
    const auto speed = static_cast<std::int32_t>(Word32(&block[8]));
    if (sampling.SpeedText.empty() && speed != 0) {
        sampling.SpeedText = " @ " + std::to_string(speed) + " bps " + sampling.LightsName;
    }
}

void SignalSampler::ReadDialer(SamplingState& sampling, ConnectionState& connection) {
    LineState& line = sampling.Current;
    line.Received = line.Transmitted = line.ConnectSpeed = 0;
    if (sampling.DialerVersion == 1 && !sampling.DialerFound && FindDialer()) {
        sampling.DialerFound = true;
        sampling.LastReceived = sampling.LastTransmitted = 0;
        sampling.DialerReceived = sampling.DialerTransmitted = {};
        connection.SessionReceived = connection.SessionTransmitted = 0;
    }
    if (!sampling.DialerFound) {
        return;
    }
    const std::uint64_t address = sources_.dialer.UserValue();
    if (address == 0) {
        sampling.DialerFound = false;
        return;
    }
    std::array<std::uint8_t, 36> data{};
    sources_.dialer.ReadPrivateData(address, data);
    line.CD = 1;
    // A failed read leaves the block as it was, all zero: no reading, and the totals stay as
    // they were rather than counting as a wrap.
    if (AllZero(data)) {
        line.Received = Total(sampling.DialerReceived);
        line.Transmitted = Total(sampling.DialerTransmitted);
        return;
    }
    line.Received = CarryOn24(sampling.DialerReceived, Word24(&data[28]));
    line.Transmitted = CarryOn24(sampling.DialerTransmitted, Word24(&data[32]));
    line.ConnectSpeed = data[4] | (data[5] << 8);
}

// A search walks every process of the system. While the dial-up program is not running (the
// machine idles with it installed) that is looked at once a second, not at every tick: a
// dial-up connection takes seconds to come up, so nothing of it is missed.
bool SignalSampler::FindDialer() {
    const std::uint32_t now = sources_.clock.TickCount();
    if (dialerMissedAt_ && now - *dialerMissedAt_ < kDialerSearchInterval) {
        return false;
    }
    if (sources_.dialer.Find()) {
        dialerMissedAt_.reset();
        return true;
    }
    dialerMissedAt_ = now;
    return false;
}

void SignalSampler::ReadDriverCounters(SamplingState& sampling, const MonitorSettings& settings) {
    LineState& line = sampling.Current;
    const DriverCode receivedCode = settings.AlternativeMethodForRD == 1
                                        ? DriverCode::ReceivedAlternative
                                        : DriverCode::Received;
    line.Transmitted =
        AddCount(sampling.LastTransmitted, sources_.driver.Call(DriverCode::Transmitted).count);
    line.Received = AddCount(sampling.LastReceived, sources_.driver.Call(receivedCode).count);
}

void SignalSampler::OnLightsHandOver(SamplingState& sampling, const MonitorSettings& settings,
                                     std::uintptr_t kind, std::string_view text) {
    if (kind != 1) {
        return;
    }
    LightsHandOver handOver = ParseLightsHandOver(text);
    sampling.LightsEvent = handOver.event;
    sampling.LightsDevice = handOver.device;
    sampling.LightsName = std::move(handOver.name);
    if (IsOn(settings.RunLights)) {
        sources_.launcher.Run("lights!.exe " + std::string(text));
    }
}

}  // namespace lw
