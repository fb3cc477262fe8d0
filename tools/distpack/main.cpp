// distpack: files onto distribution media for the installer.
#include <iostream>
#include <string>
#include <vector>

#include "tools/distpack/distpack_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return aw::RunDistPack(args, std::cout, std::cerr);
}
