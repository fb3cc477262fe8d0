#include "installer/controller/ini/ini_document.h"

#include <algorithm>

#include "installer/controller/text_case.h"

namespace aw {

namespace {

constexpr std::string_view kNewLineEnd = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            lines_.push_back(Classify(std::string(text), ""));
            break;
        }
        const bool crlf = newline > 0 && text[newline - 1] == '\r';
        const std::size_t length = crlf ? newline - 1 : newline;
        lines_.push_back(Classify(std::string(text.substr(0, length)),
                                  std::string(text.substr(length, newline + 1 - length))));
        text.remove_prefix(newline + 1);
    }
}

IniDocument::Line IniDocument::Classify(std::string text, std::string end) {
    Line line;
    line.Text = std::move(text);
    line.End = std::move(end);
    const std::string_view content = Trim(line.Text);
    if (content.starts_with(';')) {
        line.Kind = LineKind::Comment;
    } else if (content.starts_with('[') && content.ends_with(']')) {
        line.Kind = LineKind::Section;
        line.Name = Trim(content.substr(1, content.size() - 2));
    } else if (const std::size_t equals = content.find('='); equals != std::string_view::npos) {
        const std::string_view name = Trim(content.substr(0, equals));
        if (!name.empty()) {
            line.Kind = LineKind::Entry;
            line.Name = name;
            line.Value = Trim(content.substr(equals + 1));
        }
    }
    return line;
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.Text;
        text += line.End;
    }
    return text;
}

std::optional<IniDocument::Span> IniDocument::Find(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].Kind == LineKind::Section && EqualIgnoringCase(lines_[i].Name, section)) {
            std::size_t last = i + 1;
            while (last < lines_.size() && lines_[last].Kind != LineKind::Section) {
                ++last;
            }
            return Span{i, last};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindEntry(std::string_view section, std::string_view entry,
                                                  std::size_t occurrence) const {
    const std::optional<Span> span = Find(section);
    if (!span) {
        return std::nullopt;
    }
    std::size_t seen = 0;
    for (std::size_t i = span->First + 1; i < span->Last; ++i) {
        if (lines_[i].Kind == LineKind::Entry && EqualIgnoringCase(lines_[i].Name, entry) &&
            seen++ == occurrence) {
            return i;
        }
    }
    return std::nullopt;
}

bool IniDocument::HasSection(std::string_view section) const {
    return Find(section).has_value();
}

std::vector<IniEntry> IniDocument::Entries(std::string_view section) const {
    std::vector<IniEntry> entries;
    if (const std::optional<Span> span = Find(section)) {
        for (std::size_t i = span->First + 1; i < span->Last; ++i) {
            if (lines_[i].Kind == LineKind::Entry) {
                entries.push_back({lines_[i].Name, lines_[i].Value});
            }
        }
    }
    return entries;
}

std::size_t IniDocument::Occurrences(std::string_view section, std::string_view entry) const {
    const std::vector<IniEntry> entries = Entries(section);
    return std::count_if(entries.begin(), entries.end(),
                         [&](const IniEntry& e) { return EqualIgnoringCase(e.Name, entry); });
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view entry,
                                              std::size_t occurrence) const {
    const std::optional<std::size_t> index = FindEntry(section, entry, occurrence);
    if (!index) {
        return std::nullopt;
    }
    return lines_[*index].Value;
}

void IniDocument::InsertLine(std::size_t index, std::string text) {
    // A line that was last and had no line end gets one before anything follows it.
    if (index > 0 && lines_[index - 1].End.empty()) {
        lines_[index - 1].End = kNewLineEnd;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                  Classify(std::move(text), std::string(kNewLineEnd)));
}

void IniDocument::AddSection(std::string_view section) {
    InsertLine(lines_.size(), "[" + std::string(section) + "]");
}

bool IniDocument::DeleteSection(std::string_view section) {
    const std::optional<Span> span = Find(section);
    if (!span) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->First),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span->Last));
    return true;
}

std::size_t IniDocument::InsertEntry(std::string_view section, std::string_view entry,
                                     std::string_view value, std::size_t position) {
    const std::optional<Span> span = Find(section);
    if (!span) {
        return 0;
    }
    std::string text = std::string(entry) + "=" + std::string(value);
    if (const std::optional<std::size_t> at = FindEntry(section, entry, position)) {
        InsertLine(*at, std::move(text));
        return position;
    }
    std::size_t after = span->First;
    for (std::size_t i = span->First + 1; i < span->Last; ++i) {
        if (lines_[i].Kind == LineKind::Entry) {
            after = i;
        }
    }
    const std::size_t occurrence = Occurrences(section, entry);
    InsertLine(after + 1, std::move(text));
    return occurrence;
}

bool IniDocument::SetEntry(std::string_view section, std::string_view entry, std::size_t occurrence,
                           std::string_view value) {
    const std::optional<std::size_t> index = FindEntry(section, entry, occurrence);
    if (!index) {
        return false;
    }
    Line& line = lines_[*index];
    line = Classify(line.Name + "=" + std::string(value), line.End);
    return true;
}

bool IniDocument::DeleteEntry(std::string_view section, std::string_view entry,
                              std::size_t occurrence) {
    const std::optional<std::size_t> index = FindEntry(section, entry, occurrence);
    if (!index) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

}  // namespace aw
