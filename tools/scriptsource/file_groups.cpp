#include "tools/scriptsource/file_groups.h"

#include <algorithm>
#include <system_error>

namespace aw {

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

// Iterative, with one remembered star: no recursion however many stars a pattern has.
bool NameMatches(const std::string& pattern, const std::string& name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::string::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || Upper(pattern[p]) == Upper(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool FindFiles(const std::filesystem::path& folder, const std::string& pattern,
               std::vector<FoundFile>& found) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return false;
    }
    std::vector<FoundFile> matches;
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && NameMatches(pattern, name)) {
            matches.push_back({entry.path(), name});
        }
    }
    std::sort(matches.begin(), matches.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.Name < b.Name; });
    found.insert(found.end(), matches.begin(), matches.end());
    return true;
}

}  // namespace aw
