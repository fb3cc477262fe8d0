// The monitor as a whole program: the application, the main window and its message loop.
#pragma once

#include <string>
#include <vector>

namespace lw {

// Runs the monitor with its command line's arguments and the show command it was started
// with, until its main window closes; returns the process's exit code.
int RunMonitor(const std::vector<std::string>& arguments, int showCommand);

}  // namespace lw
