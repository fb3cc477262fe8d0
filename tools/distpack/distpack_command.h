// The distpack command line: files onto distribution media, and their entries into an install
// script.
//
//     distpack [options] <output directory> [file options] <file>...
//
// Options: --folders, --volumes <start file>, --launcher <file>, --disk-size <bytes>,
// --cluster-size <bytes>, --reserve <bytes>, --script <in> <out>. File options apply to the
// files after them: --compressed (the default) or --stored, --aux or --no-aux, and
// --name <name> for the next file only. Sizes take a K or M suffix.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace aw {

// `args` without the program name. Messages go to `err`, the summary to `out`; the exit code is
// 0 or 1.
int RunDistPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace aw
