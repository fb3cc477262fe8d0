// The line sampler: combines the driver, the chip's registers, the "lights" hand-over, the
// dial-up window and the dial-up statistics into one tick's lamps and byte totals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/core/sampling/line_sampler.h"
#include "monitor/core/sampling/sampling_sources.h"
#include "monitor/core/time/clock.h"

namespace lw {

struct SamplingSources {
    HelperDriver& driver;
    PortRegisters& registers;
    LightsDevice& lights;
    ProgramLauncher& launcher;
    DialerWindow& dialer;
    DialupStatistics& statistics;
    CommPortSettings& commPorts;
    const Clock& clock;
};

// The serial chip's I/O base of COM1-COM4; 0 for any other port, which has no fixed address.
std::uint16_t PortBase(int port);

class SignalSampler : public LineSampler {
  public:
    explicit SignalSampler(SamplingSources sources) : sources_(sources) {}

    void SampleLine(SamplingState& sampling, const MonitorSettings& settings,
                    ConnectionState& connection) override;
    void HangUp(const MonitorSettings& settings) override;
    void PortStatusText(const SamplingState& sampling, const MonitorSettings& settings,
                        std::string& text) override;

    // Fills `state` from the driver when it is open, else from the port itself.
    void ReadPortState(int port, PortState& state);
    // A copy-data record from the "lights" replacement; only `kind` 1 is taken.
    void OnLightsHandOver(SamplingState& sampling, const MonitorSettings& settings,
                          std::uintptr_t kind, std::string_view text);

  private:
    bool DriverWatches(int port);
    void ReadDriverStatus(LineState& line);
    void AskSources(SamplingState& sampling, const MonitorSettings& settings,
                    ConnectionState& connection, bool driverWatches);
    void ReadLights(SamplingState& sampling);
    void ReadDialer(SamplingState& sampling, ConnectionState& connection);
    bool FindDialer();
    void ReadRegistry(SamplingState& sampling, const MonitorSettings& settings);
    void ReadDriverCounters(SamplingState& sampling, const MonitorSettings& settings);
    void ReadRegisters(LineState& line, const MonitorSettings& settings, bool statusFromDriver);
    PortState StatusPortState(int port, const PortState& kept);

    SamplingSources sources_;
    // The port's own answer for the status text, and when it was asked (by tick count).
    struct PortAnswer {
        int port = 0;
        std::uint32_t askedAt = 0;
        PortState state;
    };
    std::optional<PortAnswer> portAnswer_;
    // When the last search for the dial-up program found nothing (tick count, milliseconds).
    static constexpr std::uint32_t kDialerSearchInterval = 1000;
    std::optional<std::uint32_t> dialerMissedAt_;
};

}  // namespace lw
