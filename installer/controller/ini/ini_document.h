// An INI file as the installer edits it: a list of lines, each kept with its own text and line
// end, so that every line an edit does not touch is written back byte for byte.
//
// A section line is "[name]" with nothing but blanks after it; an entry line is "name=value",
// blanks around name and value being ignored; a line whose first non-blank character is ";" is
// a comment. Names compare without regard to case. Entries of the same name in one section are
// told apart by their occurrence: 0 for the first, 1 for the second and so on. A section named
// twice is the first one of that name.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

struct IniEntry {
    std::string Name;
    std::string Value;
    bool operator==(const IniEntry&) const = default;
};

class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The file's bytes: unchanged lines as read, new lines ended by CR LF.
    std::string Text() const;

    bool HasSection(std::string_view section) const;
    // The section's entries in file order; empty when there is no such section.
    std::vector<IniEntry> Entries(std::string_view section) const;
    std::size_t Occurrences(std::string_view section, std::string_view entry) const;
    std::optional<std::string> Value(std::string_view section, std::string_view entry,
                                     std::size_t occurrence) const;

    // Appends "[section]" at the end of the file.
    void AddSection(std::string_view section);
    // Removes the section line and every line up to the next section; false when missing.
    bool DeleteSection(std::string_view section);
    // Inserts "entry=value" so that it becomes the entry's occurrence `position`; a position
    // beyond the existing occurrences appends it after the section's last entry. The section
    // must exist. Returns the occurrence the new entry has.
    std::size_t InsertEntry(std::string_view section, std::string_view entry,
                            std::string_view value, std::size_t position);
    // Gives an existing occurrence a new value, keeping its name as written; false when missing.
    bool SetEntry(std::string_view section, std::string_view entry, std::size_t occurrence,
                  std::string_view value);
    // False when the occurrence is missing.
    bool DeleteEntry(std::string_view section, std::string_view entry, std::size_t occurrence);

  private:
    enum class LineKind { Other, Comment, Section, Entry };
    struct Line {
        std::string Text;
        // "\r\n", "\n", or empty for a last line without a line end.
        std::string End;
        LineKind Kind = LineKind::Other;
        // The section's or the entry's name, and the entry's value, without their blanks.
        std::string Name;
        std::string Value;
    };
    // Lines [First, Last) of one section, the section line included.
    struct Span {
        std::size_t First;
        std::size_t Last;
    };

    static Line Classify(std::string text, std::string end);
    std::optional<Span> Find(std::string_view section) const;
    // The index of the line holding that occurrence.
    std::optional<std::size_t> FindEntry(std::string_view section, std::string_view entry,
                                         std::size_t occurrence) const;
    void InsertLine(std::size_t index, std::string text);

    std::vector<Line> lines_;
};

}  // namespace aw
