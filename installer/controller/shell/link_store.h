// What the shell-link writer needs: the Start menu's Programs folder, directories, and shortcut
// files read and written through the shell's link object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace aw {

struct ShellLink {
    std::string Path;
    std::string Arguments;
    std::string WorkingDirectory;
    std::string IconFile;
    std::int32_t IconIndex = 0;
    std::int32_t HotKey = 0;
    std::int32_t ShowCommand = 1;
    bool operator==(const ShellLink&) const = default;
};

class LinkStore {
  public:
    virtual ~LinkStore() = default;

    // Makes the link object available; false when it cannot be.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // The user's Start menu Programs folder; none when it is not known.
    virtual std::optional<std::string> ProgramsFolder() = 0;

    virtual bool DirectoryExists(const std::string& path) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual bool RemoveEmptyDirectory(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // The names of the files in the directory, without their directory.
    virtual std::vector<std::string> FileNames(const std::string& directory) = 0;
    // Whether the directory holds a directory, or cannot be listed.
    virtual bool HoldsDirectories(const std::string& directory) = 0;

    virtual bool WriteLink(const std::string& path, const ShellLink& link) = 0;
    virtual std::optional<ShellLink> ReadLink(const std::string& path) = 0;
};

}  // namespace aw
