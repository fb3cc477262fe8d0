// What the operation log needs from the file system.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "installer/script/variables/output_file.h"

namespace aw {

class LogFiles {
  public:
    virtual ~LogFiles() = default;
    // A new, empty file in place of any file of that name; none when it cannot be created.
    virtual std::unique_ptr<OutputFile> Create(const std::string& path) = 0;
    // An existing file, written at its end; none when it does not exist or cannot be opened.
    virtual std::unique_ptr<OutputFile> OpenForAppend(const std::string& path) = 0;
    // Cuts the existing file, which no one holds open for writing, back to `size` bytes.
    virtual bool CutBack(const std::string& path, std::size_t size) = 0;
    // False when the file cannot be opened or read to its end.
    virtual bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) = 0;
};

// The bytes as the output file takes them.
inline std::string_view AsChars(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace aw
