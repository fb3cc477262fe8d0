// Files that the installer writes from start to end, such as the string list.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace aw {

class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual bool Write(std::string_view bytes) = 0;
    // Flushes and closes; false when the file's content may not have reached the disk.
    virtual bool Close() = 0;
};

class OutputFiles {
  public:
    virtual ~OutputFiles() = default;
    // Creates the file or empties an existing one; none when it cannot be opened.
    virtual std::unique_ptr<OutputFile> Create(const std::string& path) = 0;
};

}  // namespace aw
