#include "monitor/serial/qc_com32.h"

#include <limits>
#include <stdexcept>

#include "monitor/core/boxes/scoped_flag.h"

namespace lw {
namespace {

const char* const kPortInUse = "Port is in use -- operation aborted";
const char* const kTimeoutWaiting = "Timeout waiting for response.";

std::string OpenErrorText(std::int32_t port) {
    return "Error opening COM" + std::to_string(port) + ": ";
}

// Text from the driver ends at its first zero byte.
std::string UpToZero(std::string bytes) {
    const std::size_t zero = bytes.find('\0');
    if (zero != std::string::npos) {
        bytes.resize(zero);
    }
    return bytes;
}

}  // namespace

WriteTimeLimit WriteTimeLimitFor(std::int32_t baud) {
    constexpr std::int32_t kSlowestBaud = 110;
    const std::int32_t bitsPerSecond = baud < kSlowestBaud ? kSlowestBaud : baud;
    const std::uint32_t twoByteTimesMs = (2 * 10 * 1000 + bitsPerSecond - 1) / bitsPerSecond;
    return {1000, twoByteTimesMs};
}

T_QCCom32::T_QCCom32(const SerialServices& services) : services_(services) {
    services_.timer.SetEnabled(false);
    services_.timer.SetInterval(1000);
    services_.timer.SetTickHandler([this] { OnResponseTimer(); });
}

T_QCCom32::~T_QCCom32() {
    services_.timer.SetEnabled(false);
    services_.timer.SetTickHandler(nullptr);
    Close();
}

std::int32_t T_QCCom32::ResponseTime() const {
    const std::uint32_t interval = services_.timer.Interval();
    return interval > std::numeric_limits<std::int32_t>::max()
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(interval);
}

void T_QCCom32::SetResponseTime(std::int32_t milliseconds) {
    if (milliseconds < 0) {
        throw std::out_of_range("ResponseTime must not be negative");
    }
    services_.timer.SetInterval(static_cast<std::uint32_t>(milliseconds));
}

void T_QCCom32::SetBaud(std::int32_t baud) {
    if (baud != baud_) {
        baud_ = baud;
        Reopen();
    }
}

void T_QCCom32::SetPortNumber(std::int32_t port) {
    if (port != port_) {
        port_ = port;
        Reopen();
    }
}

void T_QCCom32::Reopen() {
    if (Opened()) {
        Close();
        Open();
    }
}

std::int32_t T_QCCom32::InCount() {
    if (!Opened()) {
        return 0;
    }
    const std::uint32_t count = services_.device.QueuedCount();
    return count > std::numeric_limits<std::int32_t>::max()
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(count);
}

bool T_QCCom32::Open() {
    if (Opened()) {
        Close();
    }
    // The name is built anew for each attempt: the port may change while the box is open.
    while (!services_.device.Open("COM" + std::to_string(port_))) {
        if (!showErrors_ ||
            services_.boxes.ShowWarning(OpenErrorText(port_), MessageButtons::AbortRetry) !=
                MessageAnswer::Retry) {
            return false;
        }
    }
    // A driver that refuses the settings still leaves a usable port.
    services_.device.SetLineFormat(baud_);
    services_.device.LimitWriteTime(WriteTimeLimitFor(baud_));
    return Opened();
}

void T_QCCom32::Close() {
    if (Opened()) {
        services_.device.Close();
    }
}

bool T_QCCom32::Send(std::string_view text) {
    return Opened() && services_.device.Write(text) == text.size();
}

std::string T_QCCom32::Receive() {
    return ReceiveGuarded([this] {
        if (endOfResponse_.empty()) {
            return ReadWaiting();
        }
        const std::string marker = endOfResponse_;
        return WaitFor(
            [&marker](const std::string& text) { return text.find(marker) != std::string::npos; },
            true);
    });
}

std::string T_QCCom32::ReceiveReply(bool askOnTimeout) {
    return ReceiveGuarded([this, askOnTimeout] {
        return WaitFor([](const std::string& text) { return !text.empty(); }, askOnTimeout);
    });
}

// A wait runs the message loop, from which another receive may be started: that one is
// turned away and the running one goes on undisturbed.
std::string T_QCCom32::ReceiveGuarded(const std::function<std::string()>& receive) {
    if (inUse_) {
        if (showErrors_) {
            services_.boxes.Show(kPortInUse, MessageIcon::None, MessageButtons::Ok);
        }
        return {};
    }
    ScopedFlag guard(inUse_);
    if (!Opened()) {
        return {};
    }
    return receive();
}

// Everything waiting, in one read.
std::string T_QCCom32::ReadWaiting() {
    const std::int32_t waiting = InCount();
    if (waiting <= 0) {
        return {};
    }
    return UpToZero(services_.device.Read(static_cast<std::uint32_t>(waiting)));
}

// Each round waits one response time; after a time-out the user may wait another round, and
// the text keeps accumulating across rounds. Without ShowErrors a wait ends at its first
// time-out, since nothing else would end it when the reply never comes.
std::string T_QCCom32::WaitFor(const Complete& complete, bool askOnTimeout) {
    std::string result;
    for (;;) {
        timedOut_ = false;
        services_.timer.SetEnabled(true);
        const bool ended = PollUntil(result, complete);
        services_.timer.SetEnabled(false);
        if (ended || !askOnTimeout || !showErrors_ ||
            services_.boxes.ShowWarning(kTimeoutWaiting, MessageButtons::AbortRetry) !=
                MessageAnswer::Retry) {
            return result;
        }
    }
}

// True when the reply is complete or the program is quitting; false on a time-out. The marker
// is looked for in the whole text, so one split across two reads is still found.
bool T_QCCom32::PollUntil(std::string& result, const Complete& complete) {
    for (;;) {
        result += ReadWaiting();
        if (complete(result)) {
            return true;
        }
        if (!services_.loop.ProcessPendingMessages()) {
            return true;
        }
        if (timedOut_) {
            return false;
        }
        services_.loop.Pause(kReplyPollMs);
    }
}

void T_QCCom32::OnResponseTimer() {
    timedOut_ = true;
    services_.timer.SetEnabled(false);
    DoTimeout();
}

void T_QCCom32::DoTimeout() {
    if (OnTimeout) {
        OnTimeout(*this);
    }
}

}  // namespace lw
