// The main window's commands: the right-click menu, its letter keys and the system menu.
#pragma once

#include <optional>

namespace lw {

enum class MainCommand {
    Setup,
    ToggleTitleBar,
    ResetSession,
    ResetTotal,
    HangUp,
    Minimize,
    About,
    Help,
    Exit,
};

// The letter of a command, upper or lower case: A, E, H, M, N, O, R, S, T.
std::optional<MainCommand> CommandForKey(char key);

// Entries the main window adds to its system menu.
inline constexpr unsigned kUpdateNowCommand = 300;
inline constexpr unsigned kSetupSystemCommand = 301;
inline constexpr unsigned kHelpSystemCommand = 302;
inline constexpr unsigned kAboutSystemCommand = 303;

// The help file's context of the main window.
inline constexpr unsigned kMainHelpContext = 1;

}  // namespace lw
