// The shell interface spoken to Program Manager through DDE commands and requests.
#pragma once

#include <memory>

#include "installer/controller/shell/dde_channel.h"
#include "installer/controller/shell/shell_interface.h"
#include "installer/controller/shell/short_paths.h"

namespace aw {

class ProgramManagerClient : public ShellInterface {
  public:
    ProgramManagerClient(std::unique_ptr<DdeChannel> channel, ShortPaths& paths)
        : channel_(std::move(channel)), paths_(paths) {}

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
    std::string Short(const std::string& path);

    std::unique_ptr<DdeChannel> channel_;
    ShortPaths& paths_;
    bool open_ = false;
};

}  // namespace aw
