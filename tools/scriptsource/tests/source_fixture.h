// Builds from sources in a scratch directory, with stand-ins for the built programs in
// "programs" (the same bytes and time stamps every run, so that builds can be compared).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "installer/script/events/event_registry.h"
#include "tools/common/stream_report.h"
#include "tools/common/tests/scratch_directory.h"

namespace aw::testing {

class SourceTest : public ScratchDirectoryTest {
  protected:
    SourceTest();
    void SetUp() override;

    // A stand-in of `size` bytes, the same for the same name.
    void Program(const std::string& name, std::size_t size);
    // Builds the distribution that `source` (the text of "src.json") describes into "out";
    // the error, or empty.
    std::string Build(const std::string& source);
    // The same from a source file elsewhere.
    std::string BuildFile(const std::filesystem::path& source);
    std::vector<std::uint8_t> Output(const std::string& path) const;
    // Every file under "out", with "/" between the parts.
    std::set<std::string> OutputFiles() const;
    // Neither the output nor a scratch folder of it exists.
    bool NothingWritten() const;

    std::filesystem::path programs;
    std::filesystem::path output;
    std::ostringstream messages;
    StreamReport report{messages};
    EventRegistry registry{report};
};

}  // namespace aw::testing
