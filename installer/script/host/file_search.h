// The file search of the script: one directory tree, the directories of PATH, or the roots of
// the drives of the chosen kinds, walked depth first until the first file that matches.
#pragma once

#include <string>
#include <vector>

#include "installer/script/host/event_support.h"

namespace aw {

class ControllerServices;
class HostMachine;
class HostWindows;

// Where every search leaves its trace.
inline constexpr char kSearchTracePath[] = "c:\\search.log";

// The entries of PATH: split at ";", blanks stripped at both ends, empty entries left out.
std::vector<std::string> PathDirectories(const std::string& path);

class FileSearch : public FileSearcher {
  public:
    FileSearch(ControllerServices& services, HostWindows& windows, HostMachine& machine)
        : services_(services), windows_(windows), machine_(machine) {}

    bool Search(SearchRequest& request) override;

  private:
    bool SearchWhere(const SearchRequest& request);
    bool SearchDrives(const SearchRequest& request);
    bool SearchRoot(const std::string& root, const std::string& pattern);
    bool Enumerate(const std::string& directory, const std::string& pattern);
    bool FirstFile(const std::string& directory, const std::string& pattern);
    bool Cancelled();
    void Trace(const char* format, const std::string& argument);

    ControllerServices& services_;
    HostWindows& windows_;
    HostMachine& machine_;
    bool windowOpen_ = false;
    bool recurse_ = false;
    std::string found_;
};

}  // namespace aw
