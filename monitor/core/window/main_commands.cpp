#include "monitor/core/window/main_commands.h"

#include <cctype>

namespace lw {

std::optional<MainCommand> CommandForKey(char key) {
    switch (std::toupper(static_cast<unsigned char>(key))) {
        case 'A':
            return MainCommand::About;
        case 'E':
            return MainCommand::Exit;
        case 'H':
            return MainCommand::Help;
        case 'M':
            return MainCommand::Minimize;
        case 'N':
            return MainCommand::HangUp;
        case 'O':
            return MainCommand::ToggleTitleBar;
        case 'R':
            return MainCommand::ResetSession;
        case 'S':
            return MainCommand::Setup;
        case 'T':
            return MainCommand::ResetTotal;
        default:
            return std::nullopt;
    }
}

}  // namespace lw
