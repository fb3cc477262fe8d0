#include "monitor/serial/modem_init.h"

namespace lw {
namespace {

// A modem that echoes sends the command back as it came; text other than line ends after
// the echo in the same read is its answer.
bool HoldsAnswer(const std::string& reply, const std::string& initString) {
    return reply.starts_with(initString) &&
           reply.find_first_not_of("\r\n", initString.size()) != std::string::npos;
}

bool SendCommand(T_QCCom32& com, const std::string& command) {
    for (int attempt = 0; attempt < kInitSendAttempts; ++attempt) {
        if (com.Send(command)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void LoadStoredProperties(T_QCCom32& com) {
    com.SetResponseTime(2000);
    com.SetBaud(9600);
    com.SetPortNumber(1);
    com.SetShowErrors(true);
    com.SetEndOfResponse("");
}

bool InitsModemAtStartup(const MonitorSettings& settings) {
    return settings.InitModem == 1 && !settings.ModemInitString.empty();
}

void RunModemInitExchange(T_QCCom32& com, std::int32_t port, const std::string& initString) {
    if (initString.empty() || com.InUse()) {
        return;
    }
    com.SetPortNumber(port);
    if (!com.Open()) {
        return;
    }
    const std::string command = initString + "\r\n";
    if (SendCommand(com, command)) {
        const std::string echo = com.ReceiveReply(true);
        if (!echo.empty() && !HoldsAnswer(echo, initString)) {
            com.ReceiveReply(false);
        }
    }
    com.Close();
}

}  // namespace lw
