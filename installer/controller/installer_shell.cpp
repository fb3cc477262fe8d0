// The Installer's Program Manager operations: groups and items, whichever shell holds them.
#include <algorithm>

#include "installer/controller/installer.h"
#include "installer/controller/shell/shell_names.h"
#include "installer/controller/text_case.h"

namespace aw {

namespace {

// Holds the shell connection for the length of one operation; a connection that cannot be made
// is reported.
class ShellUse {
  public:
    explicit ShellUse(Installer& installer)
        : installer_(installer), open_(installer.ConnectShell()) {}
    ~ShellUse() {
        if (open_) {
            installer_.DisconnectShell(false);
        }
    }
    ShellUse(const ShellUse&) = delete;
    ShellUse& operator=(const ShellUse&) = delete;

    bool Open() const { return open_; }

  private:
    Installer& installer_;
    bool open_;
};

}  // namespace

bool Installer::ConnectShell() {
    if (!shell_.Begin()) {
        ReportError("Unable to connect to PM");
        return false;
    }
    return true;
}

void Installer::DisconnectShell(bool closeShell) {
    shell_.End(closeShell);
}

bool Installer::CreateGroup(const std::string& group) {
    if (!SafeGroupName(group)) {
        ReportError("Unable to create group %s", group.c_str());
        return false;
    }
    ShellUse use(*this);
    if (!use.Open()) {
        return false;
    }
    ShellInterface& shell = shell_.Shell();
    if (shell.GroupExists(group)) {
        return true;
    }
    if (!shell.CreateGroup(group)) {
        ReportError("Unable to create group %s", group.c_str());
        return false;
    }
    Log().GroupCreated(group);
    return true;
}

bool Installer::AddAndKeepFields(const ItemRequest& request) {
    ShellInterface& shell = shell_.Shell();
    const ProgramItem& item = request.Item;
    if (!shell.AddItem(item.Name, item.CommandLine, item.IconFile, item.IconIndex,
                       item.WorkingDirectory)) {
        return false;
    }
    if (item.WorkingDirectory.empty() && item.RunMinimised == 0) {
        return true;
    }
    // The short form of the command leaves the minimise flag out: read the item back as the
    // shell placed it and add it again whole.
    const ItemLookup added = shell.FindItem(request.Group, item.Name);
    if (added.Found != Presence::Present || !shell.DeleteItem(item.Name)) {
        return true;
    }
    ProgramItem whole = added.Item;
    whole.Name = item.Name;
    whole.WorkingDirectory = item.WorkingDirectory;
    whole.RunMinimised = item.RunMinimised;
    return shell.AddFullItem(whole);
}

bool Installer::CreateItem(const ItemRequest& request) {
    if (!SafeItemName(request.Item.Name)) {
        ReportError("Unable to create PM item %s", request.Item.Name.c_str());
        return false;
    }
    ShellUse use(*this);
    if (!use.Open()) {
        return false;
    }
    if (!CreateGroup(request.Group)) {
        return false;
    }
    ShellInterface& shell = shell_.Shell();
    const std::string& name = request.Item.Name;
    const ItemLookup existing = shell.FindItem(request.Group, name);
    if (!shell.ShowGroup(request.Group, kShowGroupActivate)) {
        ReportError("Unable to show group %s", request.Group.c_str());
        return false;
    }
    if (existing.Found == Presence::Present) {
        if (!shell.DeleteItem(name)) {
            ReportError("Unable to create PM item %s", name.c_str());
            return false;
        }
        Log().ItemDeleted(request.Group, existing.Item);
    }
    const bool added =
        request.FullRecord ? shell.AddFullItem(request.Item) : AddAndKeepFields(request);
    if (!added) {
        ReportError("Unable to create PM item %s", name.c_str());
        return false;
    }
    Log().ItemCreated(request.Group, name);
    return true;
}

bool Installer::CreateItemFromEvent(ItemRequest request) {
    request.Item.CommandLine =
        ShortenQuotedPaths(request.Item.CommandLine, services_.system.shortPaths);
    return CreateItem(request);
}

bool Installer::DeleteItem(const std::string& group, const std::string& name) {
    if (!SafeGroupName(group) || !SafeItemName(name)) {
        ReportError("Unable to delete PM item %s", name.c_str());
        return false;
    }
    ShellUse use(*this);
    if (!use.Open()) {
        return false;
    }
    ShellInterface& shell = shell_.Shell();
    if (!shell.GroupExists(group)) {
        return true;
    }
    const ItemLookup existing = shell.FindItem(group, name);
    if (existing.Found == Presence::Absent) {
        return true;
    }
    if (!shell.ShowGroup(group, kShowGroupActivate)) {
        ReportError("Unable to show group %s", group.c_str());
        return false;
    }
    if (!shell.DeleteItem(name)) {
        // A shell that cannot list its items refuses a missing one the same way.
        if (existing.Found == Presence::Unknown) {
            return true;
        }
        ReportError("Unable to delete PM item %s", name.c_str());
        return false;
    }
    ProgramItem old = existing.Item;
    old.Name = name;
    Log().ItemDeleted(group, old);
    return true;
}

bool Installer::DeleteGroup(const std::string& group) {
    if (!SafeGroupName(group)) {
        ReportError("Unable to delete group %s", group.c_str());
        return false;
    }
    ShellUse use(*this);
    if (!use.Open()) {
        return false;
    }
    ShellInterface& shell = shell_.Shell();
    if (!shell.GroupExists(group)) {
        return true;
    }
    const std::vector<ProgramItem> items =
        shell.GroupItems(group).value_or(std::vector<ProgramItem>());
    if (!shell.DeleteGroup(group) && shell.GroupExists(group)) {
        LogItemsGone(group, items);
        ReportError("Unable to delete group %s", group.c_str());
        return false;
    }
    for (const ProgramItem& item : items) {
        Log().ItemDeleted(group, item);
    }
    Log().GroupDeleted(group);
    return true;
}

// A shell that gave up part-way through a group may have deleted some of its items already.
void Installer::LogItemsGone(const std::string& group, const std::vector<ProgramItem>& items) {
    const std::optional<std::vector<ProgramItem>> left = shell_.Shell().GroupItems(group);
    if (!left) {
        return;
    }
    for (const ProgramItem& item : items) {
        const bool kept = std::any_of(left->begin(), left->end(), [&](const ProgramItem& other) {
            return EqualIgnoringCase(other.Name, item.Name);
        });
        if (!kept) {
            Log().ItemDeleted(group, item);
        }
    }
}

std::optional<std::vector<ProgramItem>> Installer::GroupItems(const std::string& group) {
    // A question, not a change: a shell out of reach means "cannot tell", without a message.
    if (!shell_.Begin()) {
        return std::nullopt;
    }
    std::optional<std::vector<ProgramItem>> items;
    if (shell_.Shell().GroupExists(group)) {
        items = shell_.Shell().GroupItems(group);
    }
    shell_.End(false);
    return items;
}

}  // namespace aw
