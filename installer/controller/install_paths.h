// Path arithmetic of the installer: backslash-separated Windows paths, directory parts without a
// trailing backslash.
#pragma once

#include <string>

namespace aw {

// Everything before the last backslash; empty when there is none.
std::string DirectoryPart(const std::string& path);
// Everything after the last backslash.
std::string FileNamePart(const std::string& path);
// `directory` and `name` with one backslash between them.
std::string JoinPath(const std::string& directory, const std::string& name);
// The drive root ("C:\") or share root ("\\server\share\") the path lies on, with its trailing
// backslash; empty for a relative path.
std::string PathRoot(const std::string& path);
// The path with "." and ".." resolved (never above its root) and repeated or trailing backslashes
// dropped; a root keeps its backslash ("C:\").
std::string NormalisedPath(const std::string& path);
// True for "C:", "C:\", "\\server\share" and the like: nothing above it can be created.
bool IsPathRoot(const std::string& path);

}  // namespace aw
