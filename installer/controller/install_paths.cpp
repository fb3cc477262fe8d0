#include "installer/controller/install_paths.h"

#include <algorithm>
#include <vector>

namespace aw {

std::string DirectoryPart(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FileNamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    if (directory.back() == '\\') {
        return directory + name;
    }
    return directory + "\\" + name;
}

std::string PathRoot(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') {
        return path.substr(0, 2) + "\\";
    }
    if (path.rfind("\\\\", 0) == 0) {
        // "\\server\share\": the backslash after the share name, or the end.
        const std::size_t server = path.find('\\', 2);
        if (server == std::string::npos) {
            return {};
        }
        const std::size_t share = path.find('\\', server + 1);
        return (share == std::string::npos ? path : path.substr(0, share)) + "\\";
    }
    return {};
}

std::string NormalisedPath(const std::string& path) {
    const std::string root = PathRoot(path);
    std::vector<std::string> parts;
    std::size_t at = std::min(root.size(), path.size());
    while (at <= path.size()) {
        const std::size_t end = std::min(path.find('\\', at), path.size());
        const std::string part = path.substr(at, end - at);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    std::string result = root;
    for (const std::string& part : parts) {
        result = JoinPath(result, part);
    }
    return result;
}

bool IsPathRoot(const std::string& path) {
    const std::string root = PathRoot(path);
    return !root.empty() && (path == root || path + "\\" == root);
}

}  // namespace aw
