#include "tools/scriptsource/source_lines.h"

#include <vector>

namespace aw {

namespace {

struct Container {
    bool Array = false;
    std::size_t Index = 0;
    std::string Key;
    std::string Path;
};

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Walks the text once, with a stack of open containers rather than recursion, and notes the
// line where each value begins. The text has been parsed before; a malformed one only ends the
// walk early.
class LineFinder {
  public:
    explicit LineFinder(std::string_view text) : text_(text) {}

    int Find(const std::string& target) {
        int line = 1;
        for (std::size_t at = 0; at < text_.size(); ++at) {
            const char c = text_[at];
            if (c == '\n') {
                ++line;
            } else if (Blank(c)) {
                continue;
            } else if (c == ':') {
                expectKey_ = false;
            } else if (c == ',') {
                if (!open_.empty() && open_.back().Array) {
                    ++open_.back().Index;
                }
                expectKey_ = !open_.empty() && !open_.back().Array;
            } else if (c == '}' || c == ']') {
                if (!open_.empty()) {
                    open_.pop_back();
                }
            } else if (c == '"' && expectKey_ && !open_.empty()) {
                open_.back().Key = String(at);
            } else if (ValuePath() == target) {
                return line;
            } else if (c == '{' || c == '[') {
                open_.push_back({c == '[', 0, "", ValuePath()});
                expectKey_ = c == '{';
            } else if (c == '"') {
                String(at);
            }
        }
        return 0;
    }

  private:
    // The characters up to the closing quote; `at` ends on it.
    std::string String(std::size_t& at) {
        std::string value;
        for (++at; at < text_.size() && text_[at] != '"'; ++at) {
            if (text_[at] == '\\' && at + 1 < text_.size()) {
                ++at;
            }
            value += text_[at];
        }
        return value;
    }

    std::string ValuePath() const {
        if (open_.empty()) {
            return "";
        }
        const Container& in = open_.back();
        if (in.Array) {
            return in.Path + "[" + std::to_string(in.Index) + "]";
        }
        return in.Path.empty() ? in.Key : in.Path + "." + in.Key;
    }

    std::string_view text_;
    std::vector<Container> open_;
    bool expectKey_ = false;
};

}  // namespace

int SourceLine(std::string_view text, std::string path) {
    while (!path.empty()) {
        if (const int line = LineFinder(text).Find(path); line != 0) {
            return line;
        }
        const std::size_t cut = path.find_last_of(".[");
        path.erase(cut == std::string::npos ? 0 : cut);
    }
    return 0;
}

}  // namespace aw
