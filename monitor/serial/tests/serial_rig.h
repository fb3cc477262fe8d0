// A serial line without hardware: a fake driver, a response timer and a message loop that
// share one simulated clock, so that waits, time-outs and arrivals happen in a fixed order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/core/boxes/message_box.h"
#include "monitor/serial/qc_com32.h"

namespace lw {

class FakeCommDevice : public CommDevice {
  public:
    bool Open(const std::string& name) override {
        opened.push_back(name);
        if (refusedOpens > 0) {
            --refusedOpens;
            return false;
        }
        open = true;
        return true;
    }
    void Close() override {
        ++closes;
        open = false;
    }
    bool IsOpen() const override { return open; }
    bool SetLineFormat(std::int32_t baud) override {
        bauds.push_back(baud);
        return acceptsSettings;
    }
    void LimitWriteTime(const WriteTimeLimit& limit) override { writeLimit = limit; }
    std::uint32_t QueuedCount() override { return static_cast<std::uint32_t>(queue.size()); }
    std::string Read(std::uint32_t count) override {
        std::string bytes = queue.substr(0, count);
        queue.erase(0, count);
        reads.push_back(bytes);
        return bytes;
    }
    std::size_t Write(std::string_view bytes) override {
        writes.emplace_back(bytes);
        if (shortWrites > 0) {
            --shortWrites;
            return bytes.empty() ? 0 : bytes.size() - 1;
        }
        return bytes.size();
    }

    bool open = false;
    int refusedOpens = 0;
    bool acceptsSettings = true;
    int shortWrites = 0;
    int closes = 0;
    std::string queue;
    std::vector<std::string> opened;
    std::vector<std::int32_t> bauds;
    WriteTimeLimit writeLimit;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
};

class FakeTimer : public ResponseTimer {
  public:
    explicit FakeTimer(const std::uint32_t& now) : now_(now) {}
    void SetTickHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
    std::uint32_t Interval() const override { return interval_; }
    void SetInterval(std::uint32_t milliseconds) override { interval_ = milliseconds; }
    void SetEnabled(bool enabled) override {
        enabled_ = enabled;
        enabledAt_ = now_;
    }
    bool Enabled() const { return enabled_; }
    // The WM_TIMER message, if one is due.
    void Deliver() {
        if (enabled_ && now_ - enabledAt_ >= interval_ && onTick_) {
            enabledAt_ = now_;
            onTick_();
        }
    }

  private:
    const std::uint32_t& now_;
    std::function<void()> onTick_;
    std::uint32_t interval_ = 0;
    bool enabled_ = false;
    std::uint32_t enabledAt_ = 0;
};

struct Arrival {
    std::uint32_t atMs;
    std::string bytes;
};

// Messages are handled in the order a real loop would: bytes that are due reach the driver,
// then a due timer fires, then whatever the test wants to run from inside the loop.
class FakeLoop : public MessageLoop {
  public:
    FakeLoop(std::uint32_t& now, FakeCommDevice& device, FakeTimer& timer)
        : now_(now), device_(device), timer_(timer) {}
    bool ProcessPendingMessages() override {
        ++rounds;
        while (!arrivals.empty() && arrivals.front().atMs <= now_) {
            device_.queue += arrivals.front().bytes;
            arrivals.pop_front();
        }
        timer_.Deliver();
        if (whileWaiting) {
            whileWaiting();
        }
        return !quitAtMs || now_ < *quitAtMs;
    }
    void Pause(std::uint32_t milliseconds) override {
        pauses.push_back(milliseconds);
        now_ += milliseconds;
    }

    std::deque<Arrival> arrivals;
    std::function<void()> whileWaiting;
    std::optional<std::uint32_t> quitAtMs;
    int rounds = 0;
    std::vector<std::uint32_t> pauses;

  private:
    std::uint32_t& now_;
    FakeCommDevice& device_;
    FakeTimer& timer_;
};

struct ShownBox {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
};

class ScriptedSerialBoxes : public MessageBoxes {
  public:
    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override {
        shown.push_back({text, icon, buttons});
        if (whileOpen) {
            whileOpen();
        }
        if (answers.empty()) {
            return buttons == MessageButtons::AbortRetry ? MessageAnswer::Abort : MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<MessageAnswer> answers;
    std::function<void()> whileOpen;
    std::vector<ShownBox> shown;
};

struct SerialRig {
    std::uint32_t now = 0;
    FakeCommDevice device;
    FakeTimer timer{now};
    FakeLoop loop{now, device, timer};
    ScriptedSerialBoxes boxes;
    T_QCCom32 com{{device, timer, loop, boxes}};

    void ArriveAt(std::uint32_t atMs, std::string bytes) {
        loop.arrivals.push_back({atMs, std::move(bytes)});
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const ShownBox& box : boxes.shown) {
            texts.push_back(box.text);
        }
        return texts;
    }
};

}  // namespace lw
