// The port's settings, their status text, and the hang-up by dropping DTR.
#include <cmath>

#include "monitor/core/sampling/sampling_signals.h"

namespace lw {
namespace {

void AppendFraming(const PortState& state, std::string& text) {
    static constexpr const char* kParity[] = {"N", "O", "E", "M", "S"};
    static constexpr const char* kStopBits[] = {"1", "1.5", "2"};
    text += std::to_string(state.DataBits);
    if (state.Parity < std::size(kParity)) {
        text += kParity[state.Parity];
    }
    if (state.StopBits < std::size(kStopBits)) {
        text += kStopBits[state.StopBits];
    }
}

// The rate a 115200-baud chip really runs at for the set baud rate (its divisor is whole).
void AppendEffectiveBaud(std::uint32_t baud, std::string& text) {
    if (baud == 0) {
        return;
    }
    const std::uint32_t divisor = 115200 / baud;
    if (divisor == 0) {
        return;
    }
    text += std::to_string(std::lround(115200.0 / divisor));
}

}  // namespace

void SignalSampler::ReadPortState(int port, PortState& state) {
    state.BaudRate = 0;
    state.DataBits = 0;
    if (!sources_.driver.IsOpen()) {
        sources_.commPorts.Query(port, state);
        return;
    }
    const DriverAnswer baud = sources_.driver.Call(DriverCode::BaudAndParity);
    state.BaudRate = baud.count;
    state.Parity = baud.lastError & 0x0F;
    const DriverAnswer framing = sources_.driver.Call(DriverCode::DataAndStopBits);
    state.DataBits = framing.count & 0x0F;
    state.StopBits = framing.lastError & 0x0F;
}

void SignalSampler::PortStatusText(const SamplingState& sampling, const MonitorSettings& settings,
                                   std::string& text) {
    if (!sampling.Current.CD && sources_.driver.IsOpen()) {
        std::array<char, 4> name{};
        if (sources_.driver.WatchedPort(name).count < 3) {
            return;
        }
    }
    if (!sampling.SpeedText.empty()) {
        if (sampling.SpeedText.size() <= kLongestSpeedText) {
            text += sampling.SpeedText;
        }
        return;
    }
    if (!text.empty()) {
        text += ' ';
    }
    const PortState state = StatusPortState(settings.DefaultPort, sampling.Port);
    AppendFraming(state, text);
    text += ' ';
    AppendEffectiveBaud(state.BaudRate, text);
}

// Without the driver the settings come from the port itself. Opening it, if only for device
// queries, can still refuse the port to a dialler that starts at that moment, so the text (which
// changes by the second at most) asks once a second and shows the last answer in between.
PortState SignalSampler::StatusPortState(int port, const PortState& kept) {
    if (sources_.driver.IsOpen()) {
        PortState state = kept;
        ReadPortState(port, state);
        return state;
    }
    const std::uint32_t now = sources_.clock.TickCount();
    if (!portAnswer_ || portAnswer_->port != port || now - portAnswer_->askedAt >= 1000) {
        PortAnswer answer{port, now, kept};
        ReadPortState(port, answer.state);
        portAnswer_ = answer;
    }
    return portAnswer_->state;
}

void SignalSampler::HangUp(const MonitorSettings& settings) {
    const std::uint16_t base = PortBase(settings.DefaultPort);
    if (base == 0 || !sources_.registers.HasAccess()) {
        return;
    }
    const std::uint16_t controlRegister = base + 4;
    const std::uint8_t saved = sources_.registers.Read(controlRegister);
    sources_.registers.Write(controlRegister, saved & ~1u);
    const std::uint32_t start = sources_.clock.TickCount();
    while (sources_.clock.TickCount() - start <= 1000) {
    }
    sources_.registers.Write(controlRegister, saved);
}

}  // namespace lw
