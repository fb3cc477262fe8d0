// The serial port component: opens one port by number, writes text to it and reads the
// modem's reply, waiting for an end marker under a time-out if one is set. While it waits it
// keeps the message loop running, so the rest of the program goes on working.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "monitor/core/boxes/message_box.h"
#include "monitor/serial/comm_device.h"
#include "monitor/serial/wait_services.h"

namespace lw {

struct SerialServices {
    CommDevice& device;
    ResponseTimer& timer;
    MessageLoop& loop;
    MessageBoxes& boxes;
};

// How often a wait looks at the input queue when no message wakes it earlier.
inline constexpr std::uint32_t kReplyPollMs = 10;

// Two line times of every byte (ten bits each) plus a second: a write that the line holds
// back longer than that (a switched-off modem with hardware handshaking) ends short.
WriteTimeLimit WriteTimeLimitFor(std::int32_t baud);

class T_QCCom32 {
  public:
    // The services outlive the component.
    explicit T_QCCom32(const SerialServices& services);
    virtual ~T_QCCom32();
    T_QCCom32(const T_QCCom32&) = delete;
    T_QCCom32& operator=(const T_QCCom32&) = delete;

    // The reply time-out in milliseconds; a negative value is refused with std::out_of_range.
    std::int32_t ResponseTime() const;
    void SetResponseTime(std::int32_t milliseconds);
    // Raised, when assigned, each time the response timer fires.
    std::function<void(T_QCCom32& sender)> OnTimeout;
    bool TimedOut() const { return timedOut_; }
    // Changing the speed or the port of an open port closes and reopens it. (The setter is
    // not called SetPort, which the system's headers take for a function of their own.)
    std::int32_t Baud() const { return baud_; }
    void SetBaud(std::int32_t baud);
    std::int32_t Port() const { return port_; }
    void SetPortNumber(std::int32_t port);
    // Bytes waiting in the driver's input queue; 0 when closed.
    std::int32_t InCount();
    const std::string& EndOfResponse() const { return endOfResponse_; }
    void SetEndOfResponse(std::string marker) { endOfResponse_ = std::move(marker); }
    bool ShowErrors() const { return showErrors_; }
    void SetShowErrors(bool show) { showErrors_ = show; }
    bool Opened() const { return services_.device.IsOpen(); }
    bool InUse() const { return inUse_; }

    // Opens "COM" + Port at Baud, 8N1; with ShowErrors a failure offers Abort and Retry.
    bool Open();
    void Close();
    // One write of the whole text; true when all of it was written.
    bool Send(std::string_view text);
    // What has arrived; with an end marker, waits for it (see the .cpp). Empty when closed or
    // while another receive is running.
    std::string Receive();
    // Waits like a receive with an end marker until any text has arrived. A time-out asks
    // Abort or Retry when `askOnTimeout` and ShowErrors are on, and otherwise ends the wait.
    std::string ReceiveReply(bool askOnTimeout);

  protected:
    // Called when the response timer fires; raises OnTimeout.
    virtual void DoTimeout();

  private:
    using Complete = std::function<bool(const std::string&)>;
    std::string ReceiveGuarded(const std::function<std::string()>& receive);
    std::string ReadWaiting();
    std::string WaitFor(const Complete& complete, bool askOnTimeout);
    bool PollUntil(std::string& result, const Complete& complete);
    void OnResponseTimer();
    void Reopen();

    SerialServices services_;
    std::int32_t port_ = 1;
    std::int32_t baud_ = 9600;
    std::string endOfResponse_;
    bool timedOut_ = false;
    bool showErrors_ = true;
    bool inUse_ = false;
};

}  // namespace lw
