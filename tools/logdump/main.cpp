// logdump: an operation log as plain text or JSON.
#include <iostream>
#include <string>
#include <vector>

#include "tools/logdump/logdump_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return aw::RunLogDump(args, std::cout, std::cerr);
}
