// scriptdump: an install script to its readable JSON form, and back.
#include <iostream>
#include <string>
#include <vector>

#include "tools/scriptdump/scriptdump_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return aw::RunScriptDump(args, std::cout, std::cerr);
}
