// The test's side of the stand-in modem: its data line is the port under test, and its
// control line switches how it answers and tells what it received.
#pragma once

#include <windows.h>

#include <string>

namespace lw {

inline constexpr int kModemPort = LW_MODEM_PORT;

class ModemControl {
  public:
    ModemControl();
    ~ModemControl();
    ModemControl(const ModemControl&) = delete;
    ModemControl& operator=(const ModemControl&) = delete;

    // Sends one command ("echo", "silent", "zero", "pieces MS", "late MS", "hold",
    // "release", "received") and returns the modem's one-line reply, or "" after 5 s.
    std::string Command(const std::string& command);
    // What the data line received since the last change of mode, with C escapes.
    std::string Received();

  private:
    HANDLE line_;
};

}  // namespace lw
