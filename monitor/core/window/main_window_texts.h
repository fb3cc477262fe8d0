// What the main window tells the user, word for word.
#pragma once

namespace lw {

inline constexpr const char* kNotForWindowsNtText =
    "This version of LineWink is not compatible with WinNT! LineWink will not start.";

inline constexpr const char* kPortNotAvailableText = "Port not available! LineWink will not start.";

// Lines joined with CR characters; two CRs leave a blank line.
inline constexpr const char* kWelcomeText =
    "WELCOME to LineWink!\r\r"
    "All settings can be reached by clicking with the RIGHT MOUSE BUTTON on LineWink or using "
    "the System Menu (left-click on the small icon in the main window or press ALT+SPACE when "
    "LineWink has the focus)!\r\r"
    "You should start by selecting a \"Port to Monitor\" in the Setup Dialog, Port Detection "
    "Tab.\r"
    "Then go to the Detection Methods and select a method suitable for Your system.\r\r"
    "There is an extensive HELP file with detailed descriptions of all settings and background "
    "material to assist You.\r"
    "Just click Settings in each Setup Dialog!";

inline constexpr const char* kDriverMissingText =
    "LNWINK95.VXD not found in the LineWink directory. You will have problems with the "
    "detection.";

inline constexpr const char* kDriverHookFailedText =
    "LNWINK95.VXD could not hook 32 bit comm functions. You will have problems with the "
    "detection.";

inline constexpr const char* kStillConnectedText = "Still connected! Exit LineWink anyway?";

}  // namespace lw
