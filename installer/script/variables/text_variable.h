// A text variable of the script: a 256-byte buffer that services may fill directly.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace aw {

class TextVariable {
  public:
    // Room for 255 characters and the terminator.
    static constexpr std::size_t kBufferSize = 256;
    static constexpr std::size_t kMaxLength = kBufferSize - 1;

    explicit TextVariable(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }

    // The text up to its terminator; a buffer that a service left without one reads as its
    // first 255 characters, never past the end.
    std::string_view Text() const;

    // False, with the variable unchanged, when the text has more than 255 characters:
    // a cut path or value would be stored without anybody noticing.
    bool Assign(std::string_view text);

    // For services that write the value themselves (at most kBufferSize bytes with the
    // terminator).
    char* Buffer() { return buffer_; }

  private:
    std::string name_;
    char buffer_[kBufferSize] = {};
};

}  // namespace aw
