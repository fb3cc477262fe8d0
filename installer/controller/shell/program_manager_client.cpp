#include "installer/controller/shell/program_manager_client.h"

#include "installer/controller/shell/program_manager_commands.h"
#include "installer/controller/text_case.h"

namespace aw {

std::string ProgramManagerClient::Short(const std::string& path) {
    return path.empty() ? path : paths_.ShortForm(path);
}

bool ProgramManagerClient::Open(bool mayStartProgramManager) {
    open_ = channel_->Connect(mayStartProgramManager);
    return open_;
}

void ProgramManagerClient::Close(bool closeProgramManager) {
    if (open_) {
        channel_->Disconnect(closeProgramManager);
        open_ = false;
    }
}

bool ProgramManagerClient::CreateGroup(const std::string& group) {
    return channel_->Execute(CreateGroupCommand(group));
}

bool ProgramManagerClient::DeleteGroup(const std::string& group) {
    return channel_->Execute(DeleteGroupCommand(group));
}

bool ProgramManagerClient::ShowGroup(const std::string& group, std::int32_t showCommand) {
    return channel_->Execute(ShowGroupCommand(group, showCommand));
}

bool ProgramManagerClient::AddFullItem(const ProgramItem& item) {
    ProgramItem sent = item;
    sent.IconFile = Short(item.IconFile);
    sent.WorkingDirectory = Short(item.WorkingDirectory);
    return channel_->Execute(AddFullItemCommand(sent));
}

bool ProgramManagerClient::AddItem(const std::string& name, const std::string& commandLine,
                                   const std::string& iconFile, std::int32_t iconIndex,
                                   const std::string& workingDirectory) {
    return channel_->Execute(
        AddItemCommand(commandLine, name, Short(iconFile), iconIndex, Short(workingDirectory)));
}

bool ProgramManagerClient::DeleteItem(const std::string& name) {
    return channel_->Execute(DeleteItemCommand(name));
}

bool ProgramManagerClient::GroupExists(const std::string& group) {
    const std::optional<std::string> reply = channel_->Request("GROUPS");
    if (!reply) {
        return false;
    }
    for (const std::string& name : ParseGroupNames(*reply)) {
        if (EqualIgnoringCase(name, group)) {
            return true;
        }
    }
    return false;
}

std::optional<std::vector<ProgramItem>> ProgramManagerClient::GroupItems(const std::string& group) {
    const std::optional<std::string> reply = channel_->Request(group);
    if (!reply) {
        return std::nullopt;
    }
    return ParseGroupItems(*reply);
}

}  // namespace aw
