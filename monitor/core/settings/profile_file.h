#pragma once

#include <string>

namespace lw {

// The open settings file: sections of key=value text lines.
class ProfileFile {
  public:
    virtual ~ProfileFile() = default;
    // The file's name as the user knows it, for error messages.
    virtual std::string FileName() const = 0;
    // The key's text, or `fallback` when the section or key is missing.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& fallback) = 0;
    // False when the value could not be written.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

}  // namespace lw
