// Packing tests in a scratch directory: input files in "in", media under "media".
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tools/common/tests/scratch_directory.h"

namespace aw::testing {

using Bytes = std::vector<std::uint8_t>;

// `count` bytes drawn from the numbers from `first` on: slices from different places differ,
// and deflate cannot shrink them.
Bytes Numbered(std::size_t count, std::uint32_t first);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count);
// What the library expands from a compressed file; none when it fails.
std::optional<Bytes> Expand(const Bytes& file);

class PackingTest : public ScratchDirectoryTest {
  protected:
    void SetUp() override;

    // Writes an input file and returns its path.
    std::filesystem::path Input(const std::string& name, const Bytes& bytes);
    // A file under the media directory ("disk002/a.001"); empty when it is missing.
    Bytes Media(const std::string& path) const;
    // Every file under the media directory, with "/" between the parts.
    std::set<std::string> MediaFiles() const;

    std::filesystem::path media;
};

}  // namespace aw::testing
