// Every entry below a directory, a folder before what it holds: the benchmarks' packages are
// listed and recorded with it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace aw {

// Calls `visit` with the full path of each entry below `directory` and whether it is a folder.
inline void WalkTree(const std::string& directory,
                     const std::function<void(const std::string&, bool)>& visit) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        const std::string path = directory + "\\" + name;
        const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        visit(path, folder);
        if (folder) {
            WalkTree(path, visit);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace aw
