// The scriptdump command line: an install script to its JSON form and back.
//
//     scriptdump <script file>                  prints the JSON form
//     scriptdump --build <in.json> <out file>   writes the script file it describes
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace aw {

// `args` without the program name. Messages go to `err`; the exit code is 0 or 1.
int RunScriptDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace aw
