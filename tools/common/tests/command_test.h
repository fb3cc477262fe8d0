// A fixture that runs a tool's command as its main runs it and catches what it prints for the
// test to read; `Fixture` gives it the files to work on.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/common/tests/scratch_directory.h"

namespace aw::testing {

template <class Fixture = ScratchDirectoryTest>
class CommandTest : public Fixture {
  protected:
    using Command = int (*)(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err);

    explicit CommandTest(Command command) : command_(command) {}

    // Runs the command; `out` and `err` then hold what this run printed.
    int Run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return command_(args, out, err);
    }

    std::ostringstream out;
    std::ostringstream err;

  private:
    Command command_;
};

}  // namespace aw::testing
