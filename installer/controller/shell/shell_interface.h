// The shell that holds the program groups: Program Manager through DDE, or the Start menu's
// folders and shortcuts. Item operations act on the current group, the one last created or shown.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "installer/oplog/program_item.h"

namespace aw {

// Show command that activates a group, creating it when it does not exist.
inline constexpr std::int32_t kShowGroupActivate = 9;

// What the item event asks for: the item in a group, with or without the record's position,
// hot key and minimise flag.
struct ItemRequest {
    ProgramItem Item;
    std::string Group;
    bool FullRecord = false;
};

enum class Presence { Present, Absent, Unknown };

struct ItemLookup {
    Presence Found = Presence::Unknown;
    // The item's record when present.
    ProgramItem Item;
};

class ShellInterface {
  public:
    virtual ~ShellInterface() = default;

    // Ends the connection; `closeProgramManager` also asks Program Manager to close.
    virtual void Close(bool closeProgramManager) = 0;
    virtual bool Open(bool mayStartProgramManager) = 0;
    virtual bool CreateGroup(const std::string& group) = 0;
    virtual bool DeleteGroup(const std::string& group) = 0;
    virtual bool ShowGroup(const std::string& group, std::int32_t showCommand) = 0;
    // Uses the record's position, hot key and minimise flag too.
    virtual bool AddFullItem(const ProgramItem& item) = 0;
    // An empty working directory leaves it out.
    virtual bool AddItem(const std::string& name, const std::string& commandLine,
                         const std::string& iconFile, std::int32_t iconIndex,
                         const std::string& workingDirectory) = 0;
    virtual bool DeleteItem(const std::string& name) = 0;
    virtual bool GroupExists(const std::string& group) = 0;
    // None when the shell cannot tell.
    virtual std::optional<std::vector<ProgramItem>> GroupItems(const std::string& group) = 0;

    // Looked up among the group's items, names compared without regard to case.
    ItemLookup FindItem(const std::string& group, const std::string& name);
};

// Makes the two kinds of shell interface; either may fail to open.
class ShellFactory {
  public:
    virtual ~ShellFactory() = default;
    virtual std::unique_ptr<ShellInterface> NewProgramManagerClient() = 0;
    virtual std::unique_ptr<ShellInterface> NewShellLinkWriter() = 0;
};

}  // namespace aw
