#include <algorithm>
#include <cctype>

#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/install_paths.h"
#include "installer/script/host/host_windows.h"

namespace aw {
namespace {

std::string RootOf(char letter) {
    return std::string(1, letter) + ":\\";
}

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::optional<MediumKind> SystemHostMachine::MediumOf(char letter) {
    const DriveType type = machine_.DriveTypeOf(RootOf(letter));
    if (type == DriveType::Unknown) {
        return std::nullopt;
    }
    const auto units = FreeUnits(letter);
    return MediumKindOf(type, units ? std::optional<std::uint64_t>(*units) : std::nullopt);
}

std::optional<std::uint32_t> SystemHostMachine::FreeUnits(char letter) {
    const auto figures = files_.FreeSpace(RootOf(letter));
    if (!figures) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(aw::FreeUnits(*figures), UINT32_MAX));
}

std::vector<DirectoryEntry> SystemHostMachine::List(const std::string& patternPath) {
    std::vector<DirectoryEntry> entries;
    files_.ListDirectory(DirectoryPart(patternPath), entries);
    const std::string pattern = FileNamePart(patternPath);
    std::erase_if(
        entries, [&](const DirectoryEntry& entry) { return !MatchesPattern(pattern, entry.Name); });
    return entries;
}

// Backtracks over the last "*" only, which is enough for any pattern of "*" and "?".
bool MatchesPattern(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") {
        return true;
    }
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace aw
