// The events that install, move and remove files.
#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_executor.h"
#include "installer/script/host/event_texts.h"

namespace aw {
namespace {

// The event's ints in the request's order; the paths and the entry are set per file.
FileRequest CommonRequest(const InstallFiles& event) {
    FileRequest request;
    request.TimeStampPolicy = event.TimeStampPolicy;
    request.SourceKind = event.SourceKind;
    request.Criterion = event.Criterion;
    request.InUsePolicy = event.InUsePolicy;
    request.Comparison = event.Comparison;
    request.DestinationKind = event.DestinationKind;
    request.Shared = event.Shared;
    request.Font = event.Font;
    request.OleServer = event.OleServer;
    request.Hidden = event.Hidden;
    request.System = event.System;
    request.ReadOnly = event.ReadOnly;
    return request;
}

}  // namespace

bool EventExecutor::Run(InstallFiles& event) {
    FileRequest common = CommonRequest(event);
    if (!fields_.Expand(event.ProgressText, 256, common.ProgressText)) {
        return false;
    }
    return event.Mode == InstallFiles::SingleFile ? InstallOneFile(event, common)
                                                  : InstallListedFiles(event, common);
}

bool EventExecutor::InstallOneFile(const InstallFiles& event, const FileRequest& common) {
    std::string sourceDirectory;
    std::string destinationDirectory;
    std::string sourceName;
    std::string destinationName;
    if (!fields_.Expand(event.SourceDirectory, 260, sourceDirectory) ||
        !fields_.Expand(event.DestinationDirectory, 260, destinationDirectory) ||
        !fields_.Expand(event.SourceName, 260, sourceName) ||
        !fields_.Expand(event.DestinationName, 260, destinationName)) {
        return false;
    }
    FileRequest request = common;
    request.DestinationPath = JoinPath(destinationDirectory, destinationName);
    request.SourcePath = JoinPath(sourceDirectory, sourceName);
    return services_.InstallFile(request);
}

bool EventExecutor::InstallListedFiles(const InstallFiles& event, const FileRequest& common) {
    const std::optional<std::string> pattern = NamePattern(event.WildcardSpec);
    for (std::size_t n = 0; n < event.Files.Files.size(); ++n) {
        const DistributionEntry* entry = nullptr;
        std::string directory;
        std::string name;
        if (!EntryOf(event.Files, n, entry) ||
            !fields_.Expand(event.DestinationDirectory, 260, directory) ||
            !fields_.Expand(event.DestinationName, 260, name)) {
            return false;
        }
        if (pattern) {
            name = ApplyNamePattern(*pattern, entry->Name);
        }
        FileRequest request = common;
        request.Entry = entry;
        request.DestinationPath = JoinPath(directory, name);
        if (!services_.InstallFile(request)) {
            return false;
        }
    }
    return true;
}

// A list element that names no file of the current build style is a fault of the builder.
bool EventExecutor::EntryOf(const InstallFileList& list, std::size_t element,
                            const DistributionEntry*& entry) {
    entry = element < list.Files.size() ? support_.Entries.EntryFor(list.Files[element].Target)
                                        : nullptr;
    if (entry == nullptr) {
        services_.CheckFailed("EVENT", __LINE__);
        return false;
    }
    return true;
}

bool EventExecutor::Run(InstallUninstaller& event) {
    UninstallerRequest request;
    request.ShowBanner = event.ShowBanner;
    if (!fields_.Expand(event.ShortcutName, 260, request.ShortcutGroup) ||
        !fields_.Expand(event.BackDirectory, 260, request.BackDirectory) ||
        !fields_.Expand(event.ShortcutGroup, 260, request.ShortcutIcon) ||
        !fields_.Evaluate(event.AppendLog, request.AppendLog) ||
        !EntryOf(event.AuxiliaryFiles, 0, request.WindowsFile)) {
        return false;
    }
    if (!event.BackDirectoryFile.Value().empty() &&
        !EntryOf(event.AuxiliaryFiles, 1, request.BackFile)) {
        return false;
    }
    return services_.InstallUninstaller(request);
}

bool EventExecutor::Run(RenameFile& event) {
    std::string from;
    std::string to;
    if (!fields_.Expand(event.From, 260, from) || !fields_.Expand(event.To, 260, to)) {
        return false;
    }
    return !services_.FileExists(from) || services_.RenameFile(from, to);
}

bool EventExecutor::Run(DeletePath& event) {
    std::string path;
    return fields_.Expand(event.Path, 260, path) && services_.DeletePath(path);
}

bool EventExecutor::Run(BackupFile& event) {
    std::string path;
    if (!fields_.Expand(event.Path, 260, path)) {
        return false;
    }
    return !services_.FileExists(path) || services_.CopyPlainFile(path, BackupName(path));
}

bool EventExecutor::Run(MakeDir& event) {
    std::string path;
    return fields_.Expand(event.Path, 260, path) && services_.MakeDirectory(path);
}

}  // namespace aw
