#include "installer/controller/shell/shell_link_writer.h"

#include <algorithm>

#include "installer/controller/shell/shell_names.h"
#include "installer/controller/text_case.h"

namespace aw {

namespace {

constexpr const char* kLinkExtension = ".lnk";
constexpr const char* kPifExtension = ".pif";

bool IsShortcut(const std::string& file) {
    return EndsWithIgnoringCase(file, kLinkExtension) || EndsWithIgnoringCase(file, kPifExtension);
}

bool IsMinimised(std::int32_t showCommand) {
    // SW_SHOWMINIMIZED, SW_MINIMIZE and SW_SHOWMINNOACTIVE.
    return showCommand == 2 || showCommand == 6 || showCommand == kShowMinimisedNoActivate;
}

}  // namespace

SplitCommand SplitCommandLine(const std::string& commandLine) {
    const std::size_t blank = commandLine.find(' ');
    if (blank == std::string::npos) {
        return {commandLine, ""};
    }
    const std::size_t arguments = commandLine.find_first_not_of(' ', blank);
    return {commandLine.substr(0, blank),
            arguments == std::string::npos ? "" : commandLine.substr(arguments)};
}

bool ShellLinkWriter::Open(bool) {
    if (!store_->Open()) {
        return false;
    }
    const std::optional<std::string> programs = store_->ProgramsFolder();
    if (!programs || programs->empty()) {
        store_->Close();
        return false;
    }
    programs_ = *programs;
    open_ = true;
    return true;
}

void ShellLinkWriter::Close(bool) {
    if (open_) {
        store_->Close();
        open_ = false;
    }
}

std::string ShellLinkWriter::GroupPath(const std::string& group) const {
    return programs_ + "\\" + group;
}

std::string ShellLinkWriter::ItemPath(const std::string& name, const char* extension) const {
    return GroupPath(currentGroup_) + "\\" + name + extension;
}

bool ShellLinkWriter::CreateGroup(const std::string& group) {
    const std::string path = GroupPath(group);
    if (!SafeGroupName(group) || (!store_->DirectoryExists(path) && !store_->MakeDirectory(path))) {
        return false;
    }
    currentGroup_ = group;
    return true;
}

// A group that holds anything but shortcuts (another folder, a web link, desktop.ini) is left
// alone whole: deleting its shortcuts would lose them without removing the group.
bool ShellLinkWriter::DeleteGroup(const std::string& group) {
    const std::string path = GroupPath(group);
    const std::vector<std::string> files = store_->FileNames(path);
    if (!SafeGroupName(group) || store_->HoldsDirectories(path) ||
        !std::all_of(files.begin(), files.end(), IsShortcut)) {
        return false;
    }
    for (const std::string& file : files) {
        if (!store_->RemoveFile(path + "\\" + file)) {
            return false;
        }
    }
    return store_->RemoveEmptyDirectory(path);
}

bool ShellLinkWriter::ShowGroup(const std::string& group, std::int32_t) {
    currentGroup_ = group;
    return SafeGroupName(group);
}

bool ShellLinkWriter::Save(const ProgramItem& item) {
    if (!SafeGroupName(currentGroup_) || !SafeItemName(item.Name)) {
        return false;
    }
    const SplitCommand command = SplitCommandLine(item.CommandLine);
    ShellLink link;
    link.Path = command.Program;
    link.Arguments = command.Arguments;
    link.WorkingDirectory =
        item.WorkingDirectory.empty() ? std::string() : paths_.ShortForm(item.WorkingDirectory);
    link.IconFile = item.IconFile.empty() ? std::string() : paths_.ShortForm(item.IconFile);
    link.IconIndex = item.IconIndex;
    link.HotKey = item.HotKey & 0xFFFF;
    link.ShowCommand = item.RunMinimised != 0 ? kShowMinimisedNoActivate : kShowNormal;
    return store_->WriteLink(ItemPath(item.Name, kLinkExtension), link);
}

bool ShellLinkWriter::AddFullItem(const ProgramItem& item) {
    return Save(item);
}

bool ShellLinkWriter::AddItem(const std::string& name, const std::string& commandLine,
                              const std::string& iconFile, std::int32_t iconIndex,
                              const std::string& workingDirectory) {
    ProgramItem item;
    item.Name = name;
    item.CommandLine = commandLine;
    item.IconFile = iconFile;
    item.IconIndex = iconIndex;
    item.WorkingDirectory = workingDirectory;
    return Save(item);
}

bool ShellLinkWriter::DeleteItem(const std::string& name) {
    if (!SafeGroupName(currentGroup_) || !SafeItemName(name)) {
        return false;
    }
    for (const char* extension : {kLinkExtension, kPifExtension}) {
        const std::string path = ItemPath(name, extension);
        if (store_->FileExists(path)) {
            return store_->RemoveFile(path);
        }
    }
    return true;
}

bool ShellLinkWriter::GroupExists(const std::string& group) {
    return SafeGroupName(group) && store_->DirectoryExists(GroupPath(group));
}

std::optional<std::vector<ProgramItem>> ShellLinkWriter::GroupItems(const std::string& group) {
    const std::string path = GroupPath(group);
    if (!SafeGroupName(group) || !store_->DirectoryExists(path)) {
        return std::nullopt;
    }
    std::vector<ProgramItem> items;
    for (const std::string& file : store_->FileNames(path)) {
        // An old program information file is an item too, though only its name can be read.
        if (EndsWithIgnoringCase(file, kPifExtension)) {
            ProgramItem item;
            item.Name = file.substr(0, file.size() - 4);
            items.push_back(std::move(item));
            continue;
        }
        if (!EndsWithIgnoringCase(file, kLinkExtension)) {
            continue;
        }
        const std::optional<ShellLink> link = store_->ReadLink(path + "\\" + file);
        if (!link) {
            continue;
        }
        ProgramItem item;
        item.Name = file.substr(0, file.size() - 4);
        item.CommandLine =
            link->Arguments.empty() ? link->Path : link->Path + " " + link->Arguments;
        item.WorkingDirectory = link->WorkingDirectory;
        item.IconFile = link->IconFile;
        item.IconIndex = link->IconIndex;
        item.HotKey = link->HotKey;
        item.RunMinimised = IsMinimised(link->ShowCommand) ? 1 : 0;
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace aw
