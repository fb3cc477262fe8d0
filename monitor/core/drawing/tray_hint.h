// What the notification-area icon shows of the line: its hint text and which of the eight
// modem pictures.
#pragma once

#include <string>

#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"

namespace lw {

inline constexpr const char* kProgramNameAndVersion = "LineWink 2.2";

// `portStatus` is the port's status text, asked only when there is no connect-speed text.
std::string TrayHint(const MonitorSettings& settings, const SamplingState& sampling,
                     const std::string& portStatus);

// "MODEM1".."MODEM4" while the carrier is up, "MODEM1_NC".."MODEM4_NC" while it is down:
// 1 quiet, 2 receiving, 3 sending, 4 both.
struct TrayPicture {
    int number = 1;
    bool connected = false;
    friend bool operator==(const TrayPicture&, const TrayPicture&) = default;
};

TrayPicture TrayPictureFor(const LineState& line);
std::string TrayIconName(TrayPicture picture);

}  // namespace lw
