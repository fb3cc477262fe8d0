// The modem initialisation exchange: the user's init string goes to the monitored port and
// the modem's echo and answer are read and discarded.
#pragma once

#include <cstdint>
#include <string>

#include "monitor/core/settings/settings.h"
#include "monitor/serial/qc_com32.h"

namespace lw {

// How often a refused write of the command is tried before the exchange gives up.
inline constexpr int kInitSendAttempts = 3;

// The main window's port component as stored with the window.
void LoadStoredProperties(T_QCCom32& com);

// Start-up sends the init string only when "InitModem" asks for it.
bool InitsModemAtStartup(const MonitorSettings& settings);

// Opens `port`, sends `initString` + CR LF and waits for the modem's echo and answer, then
// closes the port. Does nothing for an empty string, or while `com` is already waiting for a
// reply (a second press of the button during the first exchange).
//
// It cannot hang: each write is limited in time and tried at most kInitSendAttempts times;
// the first reply is waited for one response time, after which the component's time-out box
// lets the user wait again or give up (without ShowErrors the exchange just ends); the second
// reply is waited for one response time without a box, and not at all when the first already
// held more than the echoed command.
void RunModemInitExchange(T_QCCom32& com, std::int32_t port, const std::string& initString);

}  // namespace lw
