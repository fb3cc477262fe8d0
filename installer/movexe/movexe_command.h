// movexe's command line: "/S" for a run that nobody watches, "--wait <seconds>", "--help".
#pragma once

#include <string>
#include <vector>

#include "installer/movexe/movexe_run.h"

namespace aw {

struct MovexeCommand {
    bool Help = false;
    MovexeOptions Options;
    // Why the arguments cannot be used; empty when they can.
    std::string Problem;
};

MovexeCommand ParseMovexeArguments(const std::vector<std::string>& args);

extern const char* const kMovexeHelp;

}  // namespace aw
