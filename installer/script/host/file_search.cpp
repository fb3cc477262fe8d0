#include "installer/script/host/file_search.h"

#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_services.h"
#include "installer/script/host/host_windows.h"
#include "installer/script/variables/messages.h"

namespace aw {
namespace {

enum Where : std::int32_t { kInDirectory = 0, kAlongPath = 1, kOnDrives = 2 };

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

}  // namespace

std::vector<std::string> PathDirectories(const std::string& path) {
    std::vector<std::string> directories;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(';', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        std::string entry = Trimmed(path.substr(start, end - start));
        if (!entry.empty()) {
            directories.push_back(std::move(entry));
        }
        start = end + 1;
    }
    return directories;
}

bool FileSearch::Search(SearchRequest& request) {
    found_.clear();
    recurse_ = request.Ints[5] != 0;
    windowOpen_ = (request.Ints[0] == 1 || request.Ints[0] == 2) && !services_.Unattended();
    if (windowOpen_) {
        windows_.OpenSearchWindow(request.Pattern);
    }
    request.Found = SearchWhere(request);
    request.Path = request.Found ? found_ : std::string();
    if (windowOpen_) {
        windows_.CloseSearchWindow();
        windowOpen_ = false;
    }
    return true;
}

bool FileSearch::SearchWhere(const SearchRequest& request) {
    switch (request.Ints[1]) {
        case kInDirectory:
            return SearchRoot(request.Directory, request.Pattern);
        case kAlongPath:
            for (const std::string& directory :
                 PathDirectories(machine_.Environment("PATH").value_or(""))) {
                if (SearchRoot(directory, request.Pattern)) {
                    return true;
                }
            }
            return false;
        case kOnDrives:
            return SearchDrives(request);
        default:
            return false;
    }
}

bool FileSearch::SearchDrives(const SearchRequest& request) {
    for (char letter = 'A'; letter <= 'Z' && !Cancelled(); ++letter) {
        const auto medium = machine_.MediumOf(letter);
        if (!medium) {
            continue;
        }
        const bool wanted =
            ((*medium == MediumKind::Fixed || *medium == MediumKind::LargeRemovable) &&
             request.Ints[3] != 0) ||
            (*medium == MediumKind::Remote && request.Ints[4] != 0) ||
            (*medium == MediumKind::CdRom && request.Ints[2] != 0);
        if (wanted && SearchRoot(std::string(1, letter) + ":", request.Pattern)) {
            return true;
        }
    }
    return false;
}

bool FileSearch::SearchRoot(const std::string& root, const std::string& pattern) {
    return Enumerate(root, pattern) && !Cancelled();
}

bool FileSearch::Enumerate(const std::string& directory, const std::string& pattern) {
    Trace("entering %s", JoinPath(directory, pattern));
    if (FirstFile(directory, pattern)) {
        return true;
    }
    if (!recurse_) {
        return false;
    }
    Trace("searching into subdirectories of %s", directory);
    bool found = false;
    for (const DirectoryEntry& entry : machine_.List(JoinPath(directory, "*.*"))) {
        if (!entry.Directory || IsDotEntry(entry.Name)) {
            continue;
        }
        if (Cancelled()) {
            break;
        }
        if (Enumerate(JoinPath(directory, entry.Name), pattern)) {
            found = true;
            break;
        }
    }
    Trace("leaving %s", directory);
    return found;
}

bool FileSearch::FirstFile(const std::string& directory, const std::string& pattern) {
    for (const DirectoryEntry& entry : machine_.List(JoinPath(directory, pattern))) {
        if (Cancelled()) {
            return false;
        }
        if (entry.Directory || IsDotEntry(entry.Name)) {
            continue;
        }
        found_ = JoinPath(directory, entry.Name);
        return true;
    }
    return false;
}

// Lets the Cancel button be pressed while the search runs.
bool FileSearch::Cancelled() {
    if (!windowOpen_) {
        return false;
    }
    services_.ProcessMessages();
    return windows_.SearchCancelled();
}

void FileSearch::Trace(const char* format, const std::string& argument) {
    machine_.AppendLine(kSearchTracePath, WithArgument(format, argument));
}

}  // namespace aw
