// The shell interface for the Start menu: groups are directories below the Programs folder and
// items are shortcut files in them.
#pragma once

#include <memory>

#include "installer/controller/shell/link_store.h"
#include "installer/controller/shell/shell_interface.h"
#include "installer/controller/shell/short_paths.h"

namespace aw {

// Show commands a shortcut starts its program with.
inline constexpr std::int32_t kShowNormal = 1;
inline constexpr std::int32_t kShowMinimisedNoActivate = 7;

// The command line split at its first blank into the program and, blanks skipped, its arguments.
struct SplitCommand {
    std::string Program;
    std::string Arguments;
};
SplitCommand SplitCommandLine(const std::string& commandLine);

class ShellLinkWriter : public ShellInterface {
  public:
    ShellLinkWriter(std::unique_ptr<LinkStore> store, ShortPaths& paths)
        : store_(std::move(store)), paths_(paths) {}

    void Close(bool closeProgramManager) override;
    bool Open(bool mayStartProgramManager) override;
    bool CreateGroup(const std::string& group) override;
    bool DeleteGroup(const std::string& group) override;
    bool ShowGroup(const std::string& group, std::int32_t showCommand) override;
    bool AddFullItem(const ProgramItem& item) override;
    bool AddItem(const std::string& name, const std::string& commandLine,
                 const std::string& iconFile, std::int32_t iconIndex,
                 const std::string& workingDirectory) override;
    bool DeleteItem(const std::string& name) override;
    bool GroupExists(const std::string& group) override;
    std::optional<std::vector<ProgramItem>> GroupItems(const std::string& group) override;

  private:
    std::string GroupPath(const std::string& group) const;
    std::string ItemPath(const std::string& name, const char* extension) const;
    bool Save(const ProgramItem& item);

    std::unique_ptr<LinkStore> store_;
    ShortPaths& paths_;
    bool open_ = false;
    std::string programs_;
    std::string currentGroup_;
};

}  // namespace aw
