// Paths in the short (8.3) form that Program Manager and command lines take without quotes, and
// in the long form that names a file one way only.
#pragma once

#include <string>

namespace aw {

class ShortPaths {
  public:
    virtual ~ShortPaths() = default;
    // The path's short form; the path as it is when it has none (such as a missing file).
    virtual std::string ShortForm(const std::string& path) = 0;
    // The long form of every part of the path that exists; the rest as it is.
    virtual std::string LongForm(const std::string& path) = 0;
};

// The item event's command line with every part in double quotes replaced by that path's short
// form without the quotes. A part whose short form still holds a blank keeps its quotes, and so
// does an unclosed quote, so that the command line still names the same file.
std::string ShortenQuotedPaths(const std::string& commandLine, ShortPaths& paths);

}  // namespace aw
