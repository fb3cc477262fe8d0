// Scriptable stand-ins for the sampling sources, and a sampler wired to them.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "monitor/core/sampling/sampling_signals.h"

namespace lw::testing {

class FakeDriver : public HelperDriver {
  public:
    bool IsOpen() const override { return open; }
    DriverAnswer Call(DriverCode code) override {
        calls.push_back(code);
        return answers[code];
    }
    DriverAnswer WatchedPort(std::array<char, 4>& name) override {
        calls.push_back(DriverCode::WatchedPort);
        for (std::size_t i = 0; i < name.size() && i < watched.size(); ++i) {
            name[i] = watched[i];
        }
        return {static_cast<std::uint32_t>(watched.size()), 0};
    }

    bool open = true;
    std::string watched = "COM1";
    std::map<DriverCode, DriverAnswer> answers;
    std::vector<DriverCode> calls;
};

class FakeRegisters : public PortRegisters {
  public:
    bool HasAccess() const override { return access; }
    std::uint8_t Read(std::uint16_t address) override { return values[address]; }
    void Write(std::uint16_t address, std::uint8_t value) override {
        writes.push_back({address, value});
        values[address] = value;
    }

    bool access = true;
    std::map<std::uint16_t, std::uint8_t> values;
    std::vector<std::pair<std::uint16_t, std::uint8_t>> writes;
};

class FakeLights : public LightsDevice {
  public:
    bool ConnectionAlive(std::uintptr_t) override { return alive; }
    void QueryStatistics(std::uintptr_t device, std::array<std::uint8_t, 20>& block) override {
        queriedDevice = device;
        block = answer;
    }
    // Puts a little-endian 32-bit value at `offset` of the answer.
    void SetWord(std::size_t offset, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            answer[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    }

    bool alive = true;
    std::array<std::uint8_t, 20> answer{};
    std::uintptr_t queriedDevice = 0;
};

class FakeLauncher : public ProgramLauncher {
  public:
    void Run(const std::string& commandLine) override { started.push_back(commandLine); }
    std::vector<std::string> started;
};

class FakeDialer : public DialerWindow {
  public:
    bool Find() override {
        ++searches;
        return present;
    }
    std::uint64_t UserValue() override { return present ? address : 0; }
    void ReadPrivateData(std::uint64_t, std::array<std::uint8_t, 36>& data) override {
        data = block;
    }
    // Sets the counters the dial-up program keeps: 24-bit totals, 16-bit speed.
    void SetCounters(std::uint32_t received, std::uint32_t transmitted, std::uint16_t speed) {
        for (std::size_t i = 0; i < 3; ++i) {
            block[28 + i] = static_cast<std::uint8_t>(received >> (8 * i));
            block[32 + i] = static_cast<std::uint8_t>(transmitted >> (8 * i));
        }
        block[4] = static_cast<std::uint8_t>(speed);
        block[5] = static_cast<std::uint8_t>(speed >> 8);
    }

    bool present = true;
    std::uint64_t address = 0x10000;
    std::array<std::uint8_t, 36> block{};
    int searches = 0;
};

class FakeStatistics : public DialupStatistics {
  public:
    DialupCounters Read(const std::string& connectionName) override {
        askedName = connectionName;
        return counters;
    }
    DialupCounters counters;
    std::string askedName;
};

class FakeCommPorts : public CommPortSettings {
  public:
    void Query(int port, PortState& state) override {
        askedPort = port;
        ++queries;
        state = answer;
    }
    PortState answer;
    int askedPort = 0;
    int queries = 0;
};

// A clock whose tick count moves on by `step` milliseconds each time it is read.
class SteppingClock : public Clock {
  public:
    DayCount Now() const override { return 0; }
    std::uint32_t TickCount() const override { return ticks += step; }
    mutable std::uint32_t ticks = 0;
    std::uint32_t step = 50;
};

struct FakeSources {
    FakeDriver driver;
    FakeRegisters registers;
    FakeLights lights;
    FakeLauncher launcher;
    FakeDialer dialer;
    FakeStatistics statistics;
    FakeCommPorts commPorts;
    SteppingClock clock;

    SamplingSources Sources() {
        return {driver, registers, lights, launcher, dialer, statistics, commPorts, clock};
    }
};

}  // namespace lw::testing
