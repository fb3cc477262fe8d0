#include "monitor/serial/win32/tests/modem_control.h"

#include <string_view>

namespace lw {

ModemControl::ModemControl() {
    const std::string name = "COM" + std::to_string(LW_MODEM_CONTROL_PORT);
    line_ = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                        nullptr);
}

ModemControl::~ModemControl() {
    if (line_ != INVALID_HANDLE_VALUE) {
        CloseHandle(line_);
    }
}

std::string ModemControl::Command(const std::string& command) {
    const std::string line = command + "\n";
    DWORD written = 0;
    if (line_ == INVALID_HANDLE_VALUE ||
        !WriteFile(line_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) {
        return "";
    }
    std::string reply;
    for (int waited = 0; waited < 10000; waited += 10) {
        DWORD errors = 0;
        COMSTAT status = {};
        ClearCommError(line_, &errors, &status);
        if (status.cbInQue > 0) {
            std::string bytes(status.cbInQue, '\0');
            DWORD read = 0;
            ReadFile(line_, bytes.data(), status.cbInQue, &read, nullptr);
            reply.append(bytes, 0, read);
            if (const std::size_t end = reply.find('\n'); end != std::string::npos) {
                return reply.substr(0, end);
            }
        }
        Sleep(10);
    }
    return "";
}

std::string ModemControl::Received() {
    const std::string reply = Command("received");
    constexpr std::string_view kPrefix = "received ";
    return reply.starts_with(kPrefix) ? reply.substr(kPrefix.size()) : "(no reply: " + reply + ")";
}

}  // namespace lw
