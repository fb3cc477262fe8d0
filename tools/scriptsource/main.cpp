// scriptsource: a distribution from its hand-written source.
#include <iostream>
#include <string>
#include <vector>

#include "tools/scriptsource/scriptsource_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return aw::RunScriptSource(args, std::cout, std::cerr);
}
