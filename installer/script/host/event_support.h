// What some events need beyond the controller's services: the script's own dialogs, the file
// search, the distribution entries of the disk map and whole files for registry data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/controller/file_request.h"
#include "installer/script/model/build_set.h"

namespace aw {

class ScriptDialogs {
  public:
    virtual ~ScriptDialogs() = default;
    // Runs the user dialog named `name` (case ignored); false after its message.
    virtual bool ShowUserDialog(const std::string& name, std::int32_t& result) = 0;
};

// What the file-search event asks for and gets back.
struct SearchRequest {
    // The window kind, where to look (0 directory, 1 PATH, 2 drives), the CD-ROM, fixed and
    // network drive flags and the recursion flag, in the event's order.
    std::int32_t Ints[6] = {};
    std::string Directory;  // 260
    std::string Pattern;    // 256
    bool Found = false;     // out
    std::string Path;       // out, the first match
};

class FileSearcher {
  public:
    virtual ~FileSearcher() = default;
    // False when the search could not be made or was cancelled.
    virtual bool Search(SearchRequest& request) = 0;
};

class DistributionEntries {
  public:
    virtual ~DistributionEntries() = default;
    // The disk map's entry of a distribution file, or none when the current build style does
    // not list it.
    virtual const DistributionEntry* EntryFor(const DistributionFile* file) = 0;
};

class WholeFiles {
  public:
    virtual ~WholeFiles() = default;
    // False when the file is missing or cannot be read to its end.
    virtual bool Read(const std::string& path, std::vector<std::uint8_t>& bytes) = 0;
};

struct EventSupport {
    ScriptDialogs& Dialogs;
    FileSearcher& Search;
    DistributionEntries& Entries;
    WholeFiles& Files;
};

}  // namespace aw
