// The logdump command line: an operation log in a form a person reads.
//
//     logdump <log file>           the plain text form
//     logdump --json <log file>    the JSON form
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace aw {

// `args` without the program name. A log with bad data is shown as far as it reads, and the
// fault goes to `err`. The exit code is 0, or 1 for a log that cannot be read whole or bad
// arguments.
int RunLogDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace aw
