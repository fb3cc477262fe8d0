#include "installer/movexe/movexe_command.h"

#include <charconv>

#include "installer/controller/text_case.h"

namespace aw {

const char* const kMovexeHelp =
    "usage: movexe [/S] [--wait <seconds>]\n"
    "Carries out the hand-over that the installer left in movexe.ini in the Windows directory\n"
    "(section \"x\": \"f\" a file, \"t\" a directory or empty, \"x\" 1 or 0), once the program\n"
    "that started movexe has ended and the file is no longer in use:\n"
    "  t given        moves f into t, keeping its name\n"
    "  t empty, x=0   removes f (its directory stays)\n"
    "  x=1            starts f at its new place, or in place when t is empty\n"
    "movexe.ini is deleted once read.\n"
    "  /S              nobody watches: problems go to standard error instead of a message\n"
    "                  box, and a program started gets /S too\n"
    "  --wait <s>      how long to wait for the file (default 60 seconds)\n"
    "Exit code 0 when everything asked was done, 1 otherwise.\n";

MovexeCommand ParseMovexeArguments(const std::vector<std::string>& args) {
    MovexeCommand command;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "/?") {
            command.Help = true;
        } else if (EqualIgnoringCase(arg, "/S")) {
            command.Options.Unattended = true;
        } else if (arg == "--wait" && i + 1 < args.size()) {
            const std::string& text = args[++i];
            unsigned seconds = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), seconds);
            if (error != std::errc() || end != text.data() + text.size() || seconds > 86400) {
                command.Problem = "--wait needs a number of seconds, not \"" + text + "\"";
                return command;
            }
            command.Options.WaitMilliseconds = seconds * 1000;
        } else {
            command.Problem = "unknown argument \"" + arg + "\"";
            return command;
        }
    }
    return command;
}

}  // namespace aw
