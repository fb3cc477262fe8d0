// Cost of one ordinary tick of the monitor (carrier up, no edge, no new second): time and heap
// allocations per tick, and log files touched.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "monitor/core/tracking/connection_tracker.h"

namespace {

long g_allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

using namespace lw;

class StillClock : public Clock {
  public:
    DayCount Now() const override { return now; }
    std::uint32_t TickCount() const override { return ticks; }
    DayCount now = 45'292.5 + 0.25 * kOneSecond;
    std::uint32_t ticks = 61'500;
};

// A connected line with steady status lamps and no traffic.
class SteadySampler : public LineSampler {
  public:
    void SampleLine(SamplingState& sampling, const MonitorSettings&, ConnectionState&) override {
        sampling.Previous = sampling.Current;
        sampling.Current.CD = 1;
        sampling.Current.CTS = 1;
        sampling.Current.DSR = 1;
    }
    void HangUp(const MonitorSettings&) override {}
    void PortStatusText(const SamplingState&, const MonitorSettings&, std::string& text) override {
        text += "8N1 57600";
    }
};

class Silent : public SoundPlayer {
  public:
    void PlayWave(const std::string&) override {}
    void Beep() override {}
};

class NoBoxes : public MessageBoxes {
  public:
    MessageAnswer Show(const std::string&, MessageIcon, MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

class CountingLogs : public LogFiles {
  public:
    std::optional<std::string> ReadLastLine(const std::string&) override {
        ++opened;
        return std::nullopt;
    }
    void Append(const std::string&, const std::string&) override { ++opened; }
    long opened = 0;
};

class PlainDates : public DateTimeFormat {
  public:
    std::string ShortDate(int, int, int) const override { return "01.01.2024"; }
    std::string LongTime(int, int, int) const override { return "12:00:00"; }
};

class Panel : public WindowActions {
  public:
    explicit Panel(ConnectionState& connection) : connection_(connection) {}
    void SetTopmost(bool) override {}
    void RemoveTitleBarDisplay() override {}
    void ReleaseDriver() override {}
    void StopTimer() override {}
    void CloseMainWindow() override {}
    void InvalidatePanel() override {}
    void DrawPanelNow() override {
        ++draws;
        connection_.NeedRedraw = connection_.PanelDirty = connection_.FirstDrawPending = false;
    }
    bool IsClosing() const override { return false; }
    long draws = 0;

  private:
    ConnectionState& connection_;
};

// Every rule that runs on each tick is switched on, none of them due.
MonitorSettings BusySettings() {
    MonitorSettings s;
    s.DefaultPort = 1;
    s.LogDCD = s.LogRI = s.LogTotalBytes = 1;
    s.DisconnectIfInactive = s.WarnIfInactive = 1;
    s.DisconnectTimeIfInactive = s.WarnTimeIfInactive = 30;
    s.AutoTimedDisconnectActive = 1;
    s.AutoTimedDisconnectHours = 5;
    s.ConnectResetLoggerEvent = 3;
    s.ConnectResetLoggerTimeRef = 45'292.0;
    s.DisplayConnectTime = s.SPYSpeedInDisplay = s.StatusInDisplay = 1;
    s.OnTop = 2;
    s.CDAutoExit = 1;
    return s;
}

}  // namespace

int main() {
    MonitorSettings settings = BusySettings();
    SamplingState sampling;
    ConnectionState connection;
    StillClock clock;
    SteadySampler sampler;
    Silent sounds;
    NoBoxes boxes;
    CountingLogs logs;
    PlainDates dates;
    Panel panel(connection);
    NoSetupDialog dialog;
    ConnectionTracker tracker(settings, sampling, connection,
                              {clock, sampler, sounds, boxes, logs, dates, panel, dialog},
                              {"LINEWINK.DCD", "LINEWINK.RI"});

    // The carrier rise and the first drawing; then, a minute into the session, the connection
    // log's first piece.
    tracker.OnTick();
    connection.SessionStart = clock.now - 60 * kOneSecond;
    tracker.OnTick();
    tracker.OnTick();

    constexpr long kTicks = 1'000'000;
    const long allocationsBefore = g_allocations;
    const long opensBefore = logs.opened;
    const long drawsBefore = panel.draws;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < kTicks; ++i) {
        tracker.OnTick();
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const double ns = std::chrono::duration<double, std::nano>(elapsed).count();

    std::printf("ordinary ticks:         %ld\n", kTicks);
    std::printf("time per tick:          %.1f ns\n", ns / kTicks);
    std::printf("allocations per tick:   %.6f\n",
                static_cast<double>(g_allocations - allocationsBefore) / kTicks);
    std::printf("log files opened:       %ld (%ld before, at the connection log's first piece)\n",
                logs.opened - opensBefore, opensBefore);
    std::printf("panel drawings:         %ld\n", panel.draws - drawsBefore);
    return 0;
}
