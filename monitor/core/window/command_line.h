// The monitor's command line: a port number and "-AUTOCHECK".
#pragma once

#include <string>
#include <vector>

namespace lw {

struct CommandLine {
    int port = 0;              // 1-4 when a valid port was given, else 0
    bool invalidPort = false;  // a number other than 1-4 was given
    bool autoCheck = false;    // open-test COM1-COM4 at start-up
};

// Examines the first two arguments (after the program name). A decimal number selects the
// port, the first argument winning over the second; a number outside 1-4 makes the selection
// invalid. "-AUTOCHECK" may stand in either place, in any letter case. Anything else is
// ignored.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace lw
