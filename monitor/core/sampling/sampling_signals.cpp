#include "monitor/core/sampling/sampling_signals.h"

#include <cstdint>

namespace lw {
namespace {

// Unsigned arithmetic keeps a counter restart from overflowing a signed value.
std::int32_t Difference(std::int32_t total, std::int32_t base) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(total) -
                                     static_cast<std::uint32_t>(base));
}

// Step 4 for one direction: true when the total grew since the previous tick.
bool CountGrowth(std::int32_t total, std::int32_t& last, std::int64_t& window) {
    const std::int64_t growth = static_cast<std::int64_t>(total) - last;
    if (growth < 1) {
        return false;
    }
    window += growth;
    last = total;
    return true;
}

}  // namespace

std::uint16_t PortBase(int port) {
    switch (port) {
        case 1:
            return 0x3F8;
        case 2:
            return 0x2F8;
        case 3:
            return 0x3E8;
        case 4:
            return 0x2E8;
        default:
            return 0;
    }
}

bool SignalSampler::DriverWatches(int port) {
    if (!sources_.driver.IsOpen()) {
        return false;
    }
    std::array<char, 4> name{};
    if (sources_.driver.WatchedPort(name).count < 3) {
        return false;
    }
    return name[0] == 'C' && name[1] == 'O' && name[2] == 'M' && port >= 0 && port <= 9 &&
           name[3] == static_cast<char>('0' + port);
}

void SignalSampler::ReadDriverStatus(LineState& line) {
    const std::uint32_t status = sources_.driver.Call(DriverCode::ModemStatus).count & 0xFF;
    line.CTS = (status >> 4) & 1;
    line.DSR = (status >> 5) & 1;
    line.RI = (status >> 6) & 1;
    line.CD = (status >> 7) & 1;
}

void SignalSampler::SampleLine(SamplingState& sampling, const MonitorSettings& settings,
                               ConnectionState& connection) {
    sampling.Previous = sampling.Current;
    LineState& line = sampling.Current;
    line.CTS = line.DSR = line.RI = line.CD = line.DTR = line.RTS = line.TD = line.RD = 0;

    const bool driverWatches = DriverWatches(settings.DefaultPort);
    if (driverWatches) {
        ReadDriverStatus(line);
    }
    AskSources(sampling, settings, connection, driverWatches);

    if (CountGrowth(line.Received, sampling.LastReceived, connection.RxWindowCount)) {
        line.RD = 1;
        if (line.CD) {
            connection.SessionReceived = line.Received;
        }
    }
    if (CountGrowth(line.Transmitted, sampling.LastTransmitted, connection.TxWindowCount)) {
        line.TD = 1;
        if (line.CD) {
            connection.SessionTransmitted = line.Transmitted;
        }
    }
    if (!sources_.driver.IsOpen() && (line.Received != 0 || line.Transmitted != 0)) {
        line.CD = 1;
    }
    if (line.ConnectSpeed != 0) {
        sampling.SpeedText = "@ " + std::to_string(line.ConnectSpeed) + " bps";
        line.HS = settings.NewOrientation == 5 && line.ConnectSpeed > 9600 ? 1 : 0;
    }
    if (settings.NoDirectHardwareAccess == 0) {
        ReadRegisters(line, settings, driverWatches);
    }
}

void SignalSampler::AskSources(SamplingState& sampling, const MonitorSettings& settings,
                               ConnectionState& connection, bool driverWatches) {
    LineState& line = sampling.Current;
    line.Received = line.Transmitted = line.ConnectSpeed = 0;
    if (IsOn(settings.DUNLights)) {
        ReadLights(sampling);
    }
    if (IsOn(settings.RNAAPP)) {
        ReadDialer(sampling, connection);
    }
    if (IsOn(settings.DUNRegistry)) {
        ReadRegistry(sampling, settings);
    }
    if (line.Received == 0 && line.Transmitted == 0 && driverWatches &&
        sampling.LightsDevice == 0) {
        ReadDriverCounters(sampling, settings);
    }
}

void SignalSampler::ReadRegisters(LineState& line, const MonitorSettings& settings,
                                  bool statusFromDriver) {
    const std::uint16_t base = PortBase(settings.DefaultPort);
    if (base == 0 || !sources_.registers.HasAccess()) {
        return;
    }
    if (settings.NewOrientation == 4 || settings.NewOrientation == 5) {
        const std::uint8_t control = sources_.registers.Read(base + 4);
        line.DTR = control & 1;
        line.RTS = (control >> 1) & 1;
    }
    if (!statusFromDriver) {
        line.RI = (sources_.registers.Read(base + 6) >> 6) & 1;
    }
}

void SignalSampler::ReadRegistry(SamplingState& sampling, const MonitorSettings& settings) {
    LineState& line = sampling.Current;
    const DialupCounters counters = sources_.statistics.Read(settings.DUNRegistryName);
    if (!line.CD) {
        sampling.RegistryBaseReceived = counters.received;
        sampling.RegistryBaseTransmitted = counters.transmitted;
        line.Received = line.Transmitted = line.ConnectSpeed = 0;
        return;
    }
    line.Received = Difference(counters.received, sampling.RegistryBaseReceived);
    line.Transmitted = Difference(counters.transmitted, sampling.RegistryBaseTransmitted);
    line.ConnectSpeed = counters.speed;
}

}  // namespace lw
