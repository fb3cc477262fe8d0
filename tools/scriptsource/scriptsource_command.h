// The scriptsource command line: a distribution from its hand-written source.
//
//     scriptsource [--programs <folder>] [--launcher <file>] <source.json> <output folder>
//     scriptsource --events
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace aw {

// `args` without the program name; the exit code is 0 or 1.
int RunScriptSource(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace aw
