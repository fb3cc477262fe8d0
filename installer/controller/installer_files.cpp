// The Installer's operations on files and directories.
#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"
#include "installer/controller/text_case.h"

namespace aw {

std::int32_t Installer::MakeDirectory(const std::string& path) {
    FileSystem& files = services_.files;
    const std::optional<std::uint32_t> attributes = files.Attributes(path);
    if ((attributes && (*attributes & kDirectory) != 0) || IsPathRoot(path)) {
        return kDirectoryReady;
    }
    const std::string parent = DirectoryPart(path);
    if (!attributes && !parent.empty() && MakeDirectory(parent) != kDirectoryReady) {
        return kDirectoryFailed;
    }
    if (attributes || !files.MakeDirectory(path)) {
        ReportError("%s",
                    InsertIntoText(services_.questions.Text(text::kNoDirectory), path).c_str());
        return kDirectoryFailed;
    }
    Log().DirectoryCreated(path);
    return kDirectoryReady;
}

// A drive root and the Windows and system directories are never deleted, however a script's
// variables spell them (an empty variable before a backslash names the root).
bool Installer::ProtectedFromDeletion(const std::string& path) {
    ShortPaths& paths = services_.system.shortPaths;
    const std::string normal = paths.LongForm(NormalisedPath(path));
    if (IsPathRoot(normal) || (normal.empty() && !path.empty())) {
        return true;
    }
    for (const std::string& directory :
         {services_.files.WindowsDirectory(), services_.files.SystemDirectory()}) {
        if (EqualIgnoringCase(normal, paths.LongForm(NormalisedPath(directory)))) {
            return true;
        }
    }
    return false;
}

bool Installer::RemoveFile(const std::string& path) {
    if (ProtectedFromDeletion(path)) {
        ReportError("Unable to delete file %s", path.c_str());
        return false;
    }
    const std::optional<std::uint32_t> attributes = services_.files.Attributes(path);
    if (!attributes) {
        return true;
    }
    if ((*attributes & (kReadOnly | kHidden | kSystem)) != 0 && !SetAttributes(path, kNormal)) {
        return false;
    }
    if (!services_.files.RemoveFile(path)) {
        ReportError("Unable to delete file %s", path.c_str());
        return false;
    }
    Log().FileDeleted(path);
    return true;
}

bool Installer::RemoveTree(const std::string& path) {
    if (ProtectedFromDeletion(path)) {
        ReportError("Unable to delete file %s", path.c_str());
        return false;
    }
    FileSystem& files = services_.files;
    std::vector<DirectoryEntry> entries;
    if (!files.ListDirectory(path, entries)) {
        ReportError("Unable to delete file %s", path.c_str());
        return false;
    }
    for (const DirectoryEntry& entry : entries) {
        const std::string inner = JoinPath(path, entry.Name);
        if (!(entry.Directory ? RemoveTree(inner) : RemoveFile(inner))) {
            return false;
        }
        services_.progress.ProcessMessages();
    }
    if (EqualIgnoringCase(files.CurrentDirectory(), path)) {
        files.ChangeDirectory(PathRoot(path));
    }
    if (!files.RemoveEmptyDirectory(path)) {
        ReportError("Unable to delete file %s", path.c_str());
        return false;
    }
    Log().DirectoryRemoved(path);
    return true;
}

void Installer::Remove(const std::string& path) {
    const std::optional<std::uint32_t> attributes = services_.files.Attributes(path);
    if (attributes && (*attributes & kDirectory) != 0) {
        RemoveTree(path);
    } else {
        RemoveFile(path);
    }
}

bool Installer::RenameFile(const std::string& from, const std::string& to) {
    if (EqualIgnoringCase(from, to)) {
        return true;
    }
    FileSystem& files = services_.files;
    if (ProtectedFromDeletion(from)) {
        ReportError("Unable to delete file %s", from.c_str());
        return false;
    }
    if (!files.Attributes(from)) {
        ReportError("%s not found", from.c_str());
        return false;
    }
    if (!RemoveFile(to)) {
        return false;
    }
    const std::string directory = DirectoryPart(to);
    if (!directory.empty() && MakeDirectory(directory) != kDirectoryReady) {
        return false;
    }
    if (!files.MoveFileTo(from, to)) {
        if (!files.CopyFileTo(from, to)) {
            ReportError("%s",
                        InsertIntoText(services_.questions.Text(text::kCopyFailed), to).c_str());
            return false;
        }
        if (!RemoveFile(from)) {
            return false;
        }
    }
    Log().FileMoved(from, to);
    return true;
}

bool Installer::SetAttributes(const std::string& path, std::uint32_t attributes) {
    const std::optional<std::uint32_t> old = services_.files.Attributes(path);
    if (!old) {
        ReportError("Unable to get the file attributes of %s", path.c_str());
        return false;
    }
    if (*old == attributes) {
        return true;
    }
    if (!services_.files.SetAttributes(path, attributes)) {
        ReportError("Unable to set the file attributes of %s", path.c_str());
        return false;
    }
    Log().AttributesChanged(path, static_cast<std::int32_t>(*old),
                            static_cast<std::int32_t>(attributes));
    return true;
}

std::int32_t Installer::FreeSpace(const std::string& path, std::uint32_t neededUnits) {
    const std::string root = PathRoot(path);
    const std::optional<DiskFigures> figures =
        root.empty() ? std::nullopt : services_.files.FreeSpace(root);
    if (!figures) {
        ReportError("Unable to get the free space of drive %s",
                    root.empty() ? path.c_str() : root.c_str());
        return kFreeSpaceUnknown;
    }
    if (FreeUnits(*figures) >= neededUnits) {
        return kEnoughSpace;
    }
    ReportError("%s", InsertIntoText(services_.questions.Text(text::kNoSpace),
                                     std::to_string(std::uint64_t{neededUnits} * 10))
                          .c_str());
    return kTooLittleSpace;
}

}  // namespace aw
