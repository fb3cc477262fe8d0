#include "monitor/core/drawing/tray_hint.h"

namespace lw {

std::string TrayHint(const MonitorSettings& settings, const SamplingState& sampling,
                     const std::string& portStatus) {
    std::string hint;
    if (sampling.Current.CD == 1) {
        hint = std::to_string(sampling.LastReceived) + " bytes received " +
               std::to_string(sampling.LastTransmitted) + " bytes sent ";
    } else {
        hint = " ";
    }
    if (!sampling.SpeedText.empty()) {
        // Kept short of the 255 characters that the tray icon's hint may hold.
        hint += sampling.SpeedText.substr(0, kLongestSpeedText);
    } else if (!portStatus.empty()) {
        hint += portStatus;
    } else {
        hint += kProgramNameAndVersion;
    }
    return hint + " - COM" + std::to_string(settings.DefaultPort);
}

TrayPicture TrayPictureFor(const LineState& line) {
    const int number = 1 + (line.RD != 0 ? 1 : 0) + (line.TD != 0 ? 2 : 0);
    return {number, line.CD == 1};
}

std::string TrayIconName(TrayPicture picture) {
    return "MODEM" + std::to_string(picture.number) + (picture.connected ? "" : "_NC");
}

}  // namespace lw
