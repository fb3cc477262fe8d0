// The files of a distribution, as an author lists them: a folder and a name pattern.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace aw {

// Whether `name` matches `pattern`: `*` stands for any run of characters, `?` for one, and
// letters match without regard to case, as Windows names do.
bool NameMatches(const std::string& pattern, const std::string& name);

struct FoundFile {
    std::filesystem::path Path;
    std::string Name;
};

// The regular files of `folder` whose names match `pattern`, sorted by name so that a build
// does not depend on the order the file system lists them in. Sub-folders are not searched.
// False when the folder cannot be listed.
bool FindFiles(const std::filesystem::path& folder, const std::string& pattern,
               std::vector<FoundFile>& found);

}  // namespace aw
